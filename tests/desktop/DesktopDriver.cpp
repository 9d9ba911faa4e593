// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopDriver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

namespace desktoptest {
namespace {
constexpr int toolTimeoutMs = 20000;

QString desktopFolder()
{
    return qEnvironmentVariable("GLI_DESKTOP");
}

QString display()
{
    QFile file(desktopFolder() + QStringLiteral("/display"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll()).trimmed();
}

QString windowId(const QWidget *window)
{
    return QStringLiteral("0x%1").arg(window->window()->winId(), 0, 16);
}

// The values of a root-window property that lists windows.
QList<unsigned long> rootWindows(const QString &property)
{
    QString out;
    QList<unsigned long> ids;
    if (!run(QStringLiteral("xprop"), {QStringLiteral("-root"), property}, &out))
        return ids;
    static const QRegularExpression hex(QStringLiteral("0x[0-9a-fA-F]+"));
    for (auto it = hex.globalMatch(out); it.hasNext();)
        ids.append(it.next().captured().toULong(nullptr, 16));
    return ids;
}
} // namespace

void useDesktop()
{
    const QString name = display();
    if (name.isEmpty())
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", name.toLatin1());
    // Nothing of the user's session: no other bus, no input method.
    qunsetenv("WAYLAND_DISPLAY");
    qunsetenv("QT_IM_MODULE");
}

QString unavailable()
{
    if (desktopFolder().isEmpty())
        return QStringLiteral("no private desktop: scripts/test.sh starts one (GLI_DESKTOP)");
    if (display().isEmpty())
        return QStringLiteral("the private desktop in %1 names no display").arg(desktopFolder());
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QStringLiteral("xcb"))
        return QStringLiteral("the program does not run on the private desktop");
    return {};
}

bool run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::MergedChannels);
    tool.start(program, arguments);
    if (!tool.waitForStarted(toolTimeoutMs)) {
        qWarning("%s did not start", qPrintable(program));
        return false;
    }
    // The program goes on handling what the tool makes happen meanwhile.
    (void)QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning; }, toolTimeoutMs);
    if (tool.state() != QProcess::NotRunning) {
        tool.kill();
        tool.waitForFinished();
        qWarning("%s %s did not end", qPrintable(program), qPrintable(arguments.join(u' ')));
        return false;
    }
    const QString out = QString::fromLocal8Bit(tool.readAll());
    if (output)
        *output = out;
    if (tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0) {
        qWarning("%s %s: %s", qPrintable(program), qPrintable(arguments.join(u' ')),
                 qPrintable(out));
        return false;
    }
    return true;
}

QPoint centreOf(const QWidget *widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

bool click(QPoint global, int count, int delayMs)
{
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(global.x()),
                QString::number(global.y()), QStringLiteral("click"), QStringLiteral("--repeat"),
                QString::number(count), QStringLiteral("--delay"), QString::number(delayMs),
                QStringLiteral("1")});
}

bool minimize(const QWidget *window)
{
    return run(QStringLiteral("xdotool"),
               {QStringLiteral("windowminimize"), QStringLiteral("--sync"), windowId(window)});
}

bool removeMaximized(const QWidget *window)
{
    return run(QStringLiteral("wmctrl"),
               {QStringLiteral("-i"), QStringLiteral("-r"), windowId(window), QStringLiteral("-b"),
                QStringLiteral("remove,maximized_vert,maximized_horz")});
}

QStringList managerState(const QWidget *window)
{
    QString out;
    if (!run(QStringLiteral("xprop"),
             {QStringLiteral("-id"), windowId(window), QStringLiteral("_NET_WM_STATE")}, &out))
        return {QStringLiteral("(unknown)")};
    static const QRegularExpression atom(QStringLiteral("_NET_WM_STATE_[A-Z_]+"));
    QStringList states;
    for (auto it = atom.globalMatch(out); it.hasNext();)
        states.append(it.next().captured());
    return states;
}

QList<unsigned long> stacking()
{
    return rootWindows(QStringLiteral("_NET_CLIENT_LIST_STACKING"));
}

unsigned long activeWindow()
{
    const QList<unsigned long> active = rootWindows(QStringLiteral("_NET_ACTIVE_WINDOW"));
    return active.isEmpty() ? 0 : active.first();
}

} // namespace desktoptest
