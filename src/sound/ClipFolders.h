// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Where the clips of a sentence are found: folders that each hold one
// folder per language (LANG/CLIP.wav), searched in order, clip by clip, so
// that a school's own recording of a phrase stands in for the built one.
class ClipFolders
{
public:
    explicit ClipFolders(QStringList roots = {});

    // The user's own voice (AppDataLocation/voices), then the program's:
    // voices/ beside the executable in the build tree, share/gli-insiemi/voices
    // once installed.
    static QStringList defaultRoots();

    const QStringList &roots() const { return m_roots; }

    struct Found
    {
        QStringList files;
        // One line for each clip left out: missing, or not a playable WAV.
        QStringList problems;
    };
    // The files of `clips` in `language`. A clip is the first file of its
    // name in the roots; a missing or damaged one is left out, the rest of
    // the sentence stays.
    Found find(const QStringList &clips, const QString &language) const;

private:
    QStringList m_roots;
};
