"""Part of the Wine end-to-end test (scripts/e2e-wine): what a Windows 10/11 user meets beyond the
main scenario. A configuration folder about 300 characters deep, the connexion dialog at 96, 144
and 192 DPI (screenshots kept in docs/), and the profile choice dialog of two contexts: typing at
once filters the list, and the dialog cannot be made smaller than it opened.
check_all(machines, e2e) runs them after the main scenario, with the helpers of scripts/e2e-wine."""
import os
import subprocess
import time

DOCS = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), 'docs')
SYSINSTALL = os.path.join('Program Files', 'Veltra', 'system', 'sysinstall.ini')
DESKTOP = 'HKEY_CURRENT_USER\\Control Panel\\Desktop'
CHOICE_TITLE = 'Profil applicatif'
# The connexion dialog's buttons with icons beside their text, with the colour of each drawing, the
# small icon's size at 96 DPI, and the share of the icon's width the drawing's solid colour covers
# (make-icons.sh draws tick and cross over 216 of 256 pixels; their smoothed edges are not counted).
ICON_BUTTONS = {1: '#1f8a2e', 2: '#c0282d'}
SMALL_ICON = 16
DRAWN_SHARE = (0.55, 0.9)


def long_config_folder():
    """A configuration folder of 300 characters below C:\\."""
    folder = 'C:\\' + '\\'.join('Dossier de configuration %02d' % index for index in range(1, 11))
    return folder + '\\' + 'v' * (300 - len(folder) - 1)


def check_long_path(machines, e2e):
    """OK writes the context's files below a 300-character configuration folder, and a second run
    reads them back: its dialog opens on the host the first one chose."""
    folder = long_config_folder()
    sysinstall = os.path.join(machines.drive_c, SYSINSTALL)
    with open(sysinstall, 'rb') as data:
        original = data.read()
    try:
        with open(sysinstall, 'wb') as out:
            out.write(folder.encode('cp1252') + b'\r\n')
        # Made by the installation: at that depth the program creates one folder level, not its
        # parents (so ConfigUsr\system and registreext.reg are left out, as on a short path
        # whose ConfigUsr is missing).
        os.makedirs(os.path.join(machines.drive_c, *folder[3:].split('\\')), exist_ok=True)
        code, _, host = e2e.run_wine(machines, 1, False)
        e2e.check(code == 0, 'configuration folder of %d characters: OK ends with 0 (%d)' % (len(folder), code))
        below = '/'.join(folder[3:].split('\\'))
        found = {name: e2e.find_folder(machines.drive_c, below + '/' + name)
                 for name in ('GenAuto/CfgPrf.ini', 'GenAuto/CmdApp.inf')}
        missing = [name for name, path in found.items() if path is None]
        e2e.check(not missing, 'configuration folder of %d characters: files written (missing %s)'
                  % (len(folder), missing))
        settings = found['GenAuto/CfgPrf.ini']
        content = open(settings, 'rb').read() if settings else b''
        e2e.check(b'"ChoixCAD"' in content, 'configuration folder of %d characters: CfgPrf.ini holds the choice'
                  % len(folder))
        # Read back: without the settings in the registry, the next start takes the host from CfgPrf.ini.
        machines.run(['wine', 'reg', 'delete', 'HKEY_CURRENT_USER\\Software\\Corvanth', '/f'], check_result=False)
        process = subprocess.Popen(['wine', e2e.PROGRAM], cwd=machines.work, env=machines.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        shown = e2e.wait_for_window(process, machines.env)
        time.sleep(0.5)
        _, controls = machines.controls()
        again = controls.get(1000, {}).get('text')
        e2e.check(shown and again == host, 'configuration folder of %d characters: read back, %s offered again'
                  % (len(folder), again))
        end(machines, e2e, process, controls)
    finally:
        with open(sysinstall, 'wb') as out:
            out.write(original)


def end(machines, e2e, process, controls):
    """Closes a dialog started by the test: Annuler, then by force after 30 s."""
    if 2 in controls:
        e2e.click(controls[2], machines.env)
    try:
        process.wait(timeout=30)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def icon_width(shot, rect, colour):
    """The width in pixels of what is drawn in colour inside rect of the screenshot."""
    if not rect:
        return 0
    left, top, right, bottom = rect
    box = subprocess.run(['convert', shot, '-crop', '%dx%d+%d+%d' % (right - left, bottom - top, left, top),
                          '+repage', '-fuzz', '15%', '-fill', 'white', '+opaque', colour, '-trim',
                          '-format', '%w', 'info:'], capture_output=True, text=True).stdout
    return int(box) if box.strip().isdigit() else 0


def overlapping(controls):
    """Pairs of visible controls whose rectangles share pixels."""
    shown = [control for control in controls.values() if control['visible']]
    pairs = []
    for index, first in enumerate(shown):
        for second in shown[index + 1:]:
            a, b = first['rect'], second['rect']
            if a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]:
                pairs.append((first['id'], second['id']))
    return pairs


def check_dpi(machines, e2e, dpi):
    """The connexion dialog at one DPI: controls inside the client area and apart, icons and logo
    at that DPI's size; the screenshot is kept as docs/connexion-dialog-<dpi>dpi.png."""
    machines.run(['wine', 'reg', 'add', DESKTOP, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', str(dpi), '/f'])
    process = subprocess.Popen(['wine', e2e.PROGRAM], cwd=machines.work, env=machines.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    controls = {}
    try:
        if not e2e.check(e2e.wait_for_window(process, machines.env) is not None, '%d DPI: dialog shown' % dpi):
            return
        time.sleep(0.5)
        window, controls = machines.controls()
        left, top, width, height = window[4:8]
        outside = [control['id'] for control in controls.values() if control['visible'] and not (
            control['rect'][0] >= left and control['rect'][1] >= top and
            control['rect'][2] <= left + width and control['rect'][3] <= top + height)]
        e2e.check(not outside, '%d DPI: every control inside the client area %s' % (dpi, outside))
        pairs = overlapping(controls)
        e2e.check(not pairs, '%d DPI: no control overlaps another %s' % (dpi, pairs))
        # The logo frame is 289 dialog units wide: it grows with the DPI, the logo painted in it.
        shot = os.path.join(machines.work, 'screen-%d.png' % dpi)
        subprocess.run(['import', '-window', 'root', shot], env=machines.env, check=True)
        size = SMALL_ICON * dpi // 96
        drawn = {button: icon_width(shot, controls.get(button, {}).get('rect'), colour)
                 for button, colour in ICON_BUTTONS.items()}
        e2e.check(all(DRAWN_SHARE[0] * size <= width <= DRAWN_SHARE[1] * size for width in drawn.values()),
                  '%d DPI: button icons drawn for %d pixels (tick and cross %s pixels wide)' % (dpi, size, drawn))
        frame = controls.get(1002, {}).get('rect', (0, 0, 1, 1))
        expected = 289 * width / 297
        e2e.check(abs((frame[2] - frame[0]) - expected) <= 2 and width >= 297 * 1.3 * dpi / 96,
                  '%d DPI: client area %d pixels wide, logo frame %d' % (dpi, width, frame[2] - frame[0]))
        mean = subprocess.run(['convert', shot, '-crop', '%dx%d+%d+%d' % (frame[2] - frame[0], frame[3] - frame[1],
                                                                          frame[0], frame[1]),
                               '-resize', '1x1!', '-depth', '8', 'txt:-'], capture_output=True, text=True).stdout
        rgb = mean.splitlines()[-1].split('(')[1].split(')')[0].split(',')[:3] if '(' in mean else ['0', '0', '0']
        red, _, blue = (float(channel) for channel in rgb)
        e2e.check(blue > 100 and blue > red + 40, '%d DPI: logo painted over its frame' % dpi)
        os.makedirs(DOCS, exist_ok=True)
        subprocess.run(['convert', shot, '-crop', '%dx%d+%d+%d' % (width, height, left, top), '+repage', '-strip',
                        os.path.join(DOCS, 'connexion-dialog-%ddpi.png' % dpi)], check=True)
    finally:
        end(machines, e2e, process, controls)
        machines.run(['wine', 'reg', 'add', DESKTOP, '/v', 'LogPixels', '/t', 'REG_DWORD', '/d', '96', '/f'])


def resize(machines, e2e, found, width, height):
    """Resizes the X window found to width x height, as a window manager does for a user who drags
    its frame; gives the dialog's window line after."""
    e2e.xdotool('windowsize', '--sync', found, width, height, env=machines.env)
    time.sleep(0.5)
    return machines.controls(CHOICE_TITLE)[0]


def check_choice(machines, e2e):
    """Two contexts: the profile choice dialog opens at start. Text typed at once, without Tab or
    click, filters its list; dragging it smaller than it opened leaves it at that size."""
    parent, name = machines.config.rstrip('/').rsplit('/', 1)
    config = e2e.find_folder(machines.drive_c, machines.config.rstrip('/')) or \
        os.path.join(e2e.find_folder(machines.drive_c, parent), name)
    made = [os.path.join(config, 'Ctx' + name) for name in ('Alpha', 'Beta')]
    for folder in made:
        os.makedirs(folder, exist_ok=True)
    process = subprocess.Popen(['wine', e2e.PROGRAM], cwd=machines.work, env=machines.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        found = e2e.wait_for_window(process, machines.env, title=CHOICE_TITLE)
        if not e2e.check(found is not None, 'two contexts: the profile choice dialog is shown'):
            return
        time.sleep(0.5)
        window, controls = machines.controls(CHOICE_TITLE)
        before = controls.get(1013, {}).get('items')
        # The keyboard goes to the dialog's window (no click on a control).
        e2e.xdotool('windowfocus', '--sync', found, env=machines.env)
        e2e.xdotool('type', '--delay', '100', 'bet', env=machines.env)
        time.sleep(0.5)
        _, controls = machines.controls(CHOICE_TITLE)
        e2e.check(before == 3 and controls.get(1013, {}).get('items') == 1,
                  'choice dialog: typing "bet" at once filters (%s entries, then %s)'
                  % (before, controls.get(1013, {}).get('items')))
        # Larger first, which shows a resize reaches the dialog, then far below its first size.
        width, height = window[2] - window[0], window[3] - window[1]
        larger = resize(machines, e2e, found, width + 60, height + 40)
        e2e.check(larger is not None and larger[2] - larger[0] > width and larger[3] - larger[1] > height,
                  'choice dialog: resized larger %s' % (larger[:4] if larger else None))
        after = resize(machines, e2e, found, 100, 80)
        e2e.check(after is not None and (after[2] - after[0], after[3] - after[1]) == (width, height),
                  'choice dialog: resized to 100x80, it keeps its first size %dx%d (%s)'
                  % (width, height, after[:4] if after else None))
        e2e.xdotool('key', 'Escape', env=machines.env)
        time.sleep(1)
    finally:
        if process.poll() is None:
            process.kill()
        process.wait()
        for folder in made:
            os.rmdir(folder)


def check_all(machines, e2e):
    check_long_path(machines, e2e)
    for dpi in (96, 144, 192):
        check_dpi(machines, e2e, dpi)
    check_choice(machines, e2e)
