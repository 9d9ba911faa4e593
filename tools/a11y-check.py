#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks what a screen reader finds on the drill, the worksheet screen and
the settings dialog.

    tools/a11y-check.py [PROGRAM]

Starts the program (build/gli-insiemi by default) on a private Xvfb display
inside its own session bus with the accessibility bus running, chooses "VAI"
through the accessibility "Press" action, and reads the drill's tree: the two
named sets with their named pictures, the six choices with their enabled
states, the loudspeaker button and the labels. Then it answers one exercise the same way and reads
the verdict, and reads the controls of the worksheet's class-set dialog and
of "Impostazioni...", and the results screen with the answer just given.
The program gets a settings and data folder of its own, so it runs with the
default settings and keeps its answers there. Prints what it saw; exits non-zero when
something is missing.
Needs xvfb, dbus, at-spi2-core and python3-pyatspi (Debian's python3).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

FIGURES = {"imbuto", "lampada", "sveglia", "barca a vela", "bandiera", "candela",
           "dado", "aquilone", "sedia", "abete", "ciliegie", "gatto"}
TITLE = "STABILIRE UNA RELAZIONE TRA DUE INSIEMI"
CHOICES = ["<", "=", ">", "VERIFICA", "AVANTI", "ESCI"]
HEADINGS = ["Oper", " Risposte esatte", " Risposte errate", "Tempo parziale", "Tempo totale"]


def free_display():
    for n in range(60, 90):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return f":{n}"
    sys.exit("no free X display number")


def outer(program):
    """Runs this script again inside a session bus, with a display."""
    env = dict(os.environ)
    # The Italian texts below: no other language from the caller's system.
    env.pop("LANGUAGE", None)
    env["LC_ALL"] = "C.UTF-8"
    # The default settings, whatever the caller set in the program.
    settings = tempfile.mkdtemp(prefix="gli-a11y-")
    env["XDG_CONFIG_HOME"] = settings
    # The answers given here go to a results file of the run's own.
    env["XDG_DATA_HOME"] = settings
    xvfb = None
    if not env.get("DISPLAY"):
        env["DISPLAY"] = free_display()
        xvfb = subprocess.Popen(["Xvfb", env["DISPLAY"], "-screen", "0", "1280x800x24",
                                 "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(1)
    try:
        return subprocess.call(["dbus-run-session", "--", sys.executable, __file__,
                                "--inside", program], env=env)
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(settings, ignore_errors=True)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def showing(node):
    import pyatspi
    return pyatspi.STATE_SHOWING in node.getState().getStates()


def enabled(node):
    import pyatspi
    return pyatspi.STATE_ENABLED in node.getState().getStates()


def wait_for(find, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    return None


def press(node):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))
    time.sleep(0.5)


class Check:
    def __init__(self):
        self.failures = 0

    def __call__(self, ok, what):
        print(("ok    " if ok else "FAIL  ") + what)
        self.failures += not ok


def inside(program):
    import pyatspi

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    app_process = subprocess.Popen([program], env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    check = Check()
    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            for i in range(desktop.childCount):
                a = desktop.getChildAtIndex(i)
                if a is not None and a.name == "gli-insiemi":
                    return a
            return None

        app = wait_for(application)
        check(app is not None, "the program is on the accessibility bus")
        if app is None:
            return 1
        vai = wait_for(lambda: next((n for n in walk(app) if n.getRoleName() == "push button"
                                     and n.name == "VAI"), None))
        check(vai is not None, 'the start screen offers "VAI"')
        if vai is None:
            return 1
        press(vai)

        def drill_window():
            return next((app.getChildAtIndex(i) for i in range(app.childCount)
                         if app.getChildAtIndex(i) is not None
                         and app.getChildAtIndex(i).name == TITLE), None)

        drill = wait_for(drill_window)
        check(drill is not None, f'"VAI" opened "{TITLE}"')
        if drill is None:
            return 1

        def buttons():
            found = {n.name: n for n in walk(drill) if n.getRoleName() == "push button"}
            return found if all(c in found for c in CHOICES) else None

        def labels():
            return [n.name for n in walk(drill) if n.getRoleName() == "label" and showing(n)]

        def states(expected_enabled):
            b = buttons() or {}
            seen = {c: enabled(b[c]) for c in CHOICES if c in b}
            print("      choices: " + ", ".join(f"{c} {'on' if e else 'off'}"
                                               for c, e in seen.items()))
            return seen == {c: c in expected_enabled for c in CHOICES}

        for side in ("insieme di sinistra", "insieme di destra"):
            frame = next((n for n in walk(drill) if n.name == side), None)
            check(frame is not None, f'a set frame named "{side}"')
            if frame is None:
                continue
            pictures = [n for n in walk(frame) if n is not frame and showing(n) and n.name]
            names = {p.name for p in pictures}
            roles = {p.getRoleName() for p in pictures}
            print(f"      {side}: {len(pictures)} x {sorted(names)} as {sorted(roles)}")
            check(2 <= len(pictures) <= 10 and len(names) == 1 and names <= FIGURES,
                  f"{side}: 2 to 10 pictures of one named figure")
        check(states({"<", "=", ">"}), "the signs are enabled, the rest is not")
        listen = [n for n in walk(drill) if n.getRoleName() == "push button" and n.name == "Ascolta"]
        check(len(listen) == 1 and showing(listen[0]) and enabled(listen[0]),
              'the loudspeaker button is read as "Ascolta"')
        shown = labels()
        print(f"      labels: {shown}")
        check(all(h in shown for h in HEADINGS), "the panel's headings are read")
        check(" OBIETTIVO:   CONFRONTA I  DUE INSIEMI" in shown, "the heading is read")
        check("1" in shown, "the exercise number is read")

        press(buttons()["="])
        check("=" in labels(), "the chosen sign is read in the sign box")
        check(states({"<", "=", ">", "VERIFICA"}), '"VERIFICA" is enabled after a sign')
        press(buttons()["VERIFICA"])
        shown = labels()
        # The letter-spaced verdict is read as the plain word.
        verdicts = [v for v in ("Esatto", "Errato") if v in shown]
        print(f"      labels: {shown}")
        check(len(verdicts) == 1, f"the verdict is read: {verdicts}")
        check(states({"AVANTI", "ESCI"}), "after the verdict only AVANTI and ESCI are enabled")

        def window(title):
            return lambda: next((app.getChildAtIndex(i) for i in range(app.childCount)
                                 if app.getChildAtIndex(i) is not None
                                 and app.getChildAtIndex(i).name.strip() == title), None)

        def menu_item(node, name):
            return next((n for n in walk(node) if n.getRoleName() == "menu item"
                         and n.name == name), None)

        start = wait_for(window("GLI INSIEMI"))
        sheets = start and menu_item(start, "Stampa schede")
        check(sheets is not None, 'the start screen\'s menu offers "Stampa schede"')
        if sheets is None:
            return 1
        press(sheets)
        worksheet = wait_for(window("VISUALIZZAZIONE SCHEDA"))
        check(worksheet is not None, '"Stampa schede" opened the worksheet screen')
        if worksheet is None:
            return 1
        items = [n.name for n in walk(worksheet) if n.getRoleName() == "menu item"]
        print(f"      worksheet menu: {items}")
        check(items[:3] == ["Seleziona stampante", "Salva PDF...", "Schede per la classe..."],
              "the worksheet menu offers the printer, the PDF and the class set")
        press(menu_item(worksheet, "Schede per la classe..."))
        dialog = wait_for(window("Schede per la classe"))
        check(dialog is not None, '"Schede per la classe..." opened its dialog')
        if dialog is not None:
            names = {n.name for n in walk(dialog) if n.getRoleName() in ("push button",
                                                                          "check box")}
            print(f"      dialog: {sorted(names)}")
            check({"Stampa", "Salva PDF...", "Annulla", "Con le soluzioni"} <= names,
                  "the dialog's choices are read")
            press(next(n for n in walk(dialog) if n.getRoleName() == "push button"
                       and n.name == "Annulla"))

        item = menu_item(start, "Impostazioni...")
        check(item is not None, 'the start screen\'s menu offers "Impostazioni..."')
        if item is None:
            return 1
        press(item)
        settings = wait_for(window("Impostazioni"))
        check(settings is not None, '"Impostazioni..." opened its dialog')
        if settings is not None:
            controls = {(n.getRoleName(), n.name) for n in walk(settings)
                        if showing(n) and n.getRoleName() in ("push button", "check box",
                                                              "combo box", "text", "list")}
            print(f"      settings: {sorted(controls)}")
            # A combo box is read by its value, its label through the
            # labelled-by relation.
            expected = {("check box", "Il programma parla"), ("combo box", "fino a 10"),
                        ("text", "Nome della classe"), ("list", "Elenco degli alunni"),
                        ("text", "Nome dell'alunno"), ("push button", "Aggiungi"),
                        ("push button", "Rinomina"), ("push button", "Togli"),
                        ("push button", "Incolla elenco"), ("push button", "OK"),
                        ("push button", "Annulla")}
            check(expected <= controls, "every control of the settings dialog is named")
            check(all(name.strip() for _, name in controls), "no control without a name")
            press(next(n for n in walk(settings) if n.getRoleName() == "push button"
                       and n.name == "Annulla"))

        item = menu_item(start, "Risultati...")
        check(item is not None, 'the start screen\'s menu offers "Risultati..."')
        if item is None:
            return 1
        press(item)
        results = wait_for(window("Risultati"))
        check(results is not None, '"Risultati..." opened its screen')
        if results is not None:
            # The answer given above, as the guest's row.
            guest = wait_for(lambda: next((n for n in walk(results)
                                           if n.getRoleName() == "table cell"
                                           and n.name == "Ospite"), None))
            check(guest is not None, "the guest's row is read")
            controls = {(n.getRoleName(), n.name) for n in walk(results)
                        if n.getRoleName() in ("combo box", "table", "menu item")}
            print(f"      results: {sorted(controls)}")
            expected = {("combo box", "Questa settimana"), ("table", "Risultati degli alunni"),
                        ("table", "Giorno per giorno"), ("menu item", "Esporta CSV..."),
                        ("menu item", "Stampa"), ("menu item", "Salva PDF..."),
                        ("menu item", "Tutti i risultati...")}
            check(expected <= controls, "the results screen's controls are named")
            bars = [n.name for n in walk(results) if n.getRoleName() == "table cell"
                    and "giusti" in n.name]
            print(f"      bars: {bars}")
            check(len(bars) == 1
                  and bars[0].endswith(("1 giusti, 0 sbagliati", "0 giusti, 1 sbagliati")),
                  "the bar is read as its counts")
        return 1 if check.failures else 0
    finally:
        app_process.terminate()
        app_process.wait()
        bus.terminate()
        bus.wait()


if __name__ == "__main__":
    if len(sys.argv) > 2 and sys.argv[1] == "--inside":
        sys.exit(inside(sys.argv[2]))
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "build", "gli-insiemi")
    sys.exit(outer(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else default)))
