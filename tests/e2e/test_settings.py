"""The settings file vistelo.ini as the running program reads and writes it,
and the main window's answers to the system's end-of-session and power queries.

Expected files are derived from the golden file of a first start
(tests/core/golden/first_start.ini, or $VISTELO_FIRST_START_INI): every line is
compared exactly, except that [Position] must be the window rectangle seen just
before the program was closed and, after a first start, [Presets] must be the
ones derived from it and from the screen.
"""

import os
import unittest

import harness
from harness import BROADCAST_QUERY_DENY, WM_CLOSE, WM_COMMAND, WM_ENDSESSION, WM_POWERBROADCAST

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN = os.environ.get("VISTELO_FIRST_START_INI") or os.path.join(HERE, "..", "core", "golden", "first_start.ini")
INI = "vistelo.ini"
BOM16 = b"\xff\xfe"
BOM8 = b"\xef\xbb\xbf"
EDGES = ("left", "top", "right", "bottom")
SECTIONS = ["[Vistelo]", "[Portable]", "[Tweak]", "[Tweak Transitions]", "[Slideshow]", "[Folder]",
            "[Formats]", "[Errors]", "[Catalog]", "[Catalog Position]", "[Image]", "[Transitions]",
            "[Window]", "[Position]", "[Presets]", "[Shell]", "[Settings]", "[Menu]", "[Hotkeys]"]
# How far presets 1 to 3 reach beyond the window on each side, in pixels.
PRESET_GROWTH = ((56, 31), (136, 76), (216, 121))
PBT_APMQUERYSUSPEND = 0
CMD_SAVE_NOW = 1501
PICTURE_NAME, PICTURE = "sample.jpg", harness.bmp_bytes()
VK_ESCAPE = 0x1B


def body(text, encoding):
    """The text's bytes in one of the file encodings, without the BOM."""
    return text.encode("utf-16-le" if encoding == "utf-16le-bom" else "utf-8")


def encode(text, encoding):
    bom = {"utf-16le-bom": BOM16, "utf-8-bom": BOM8, "utf-8": b""}[encoding]
    return bom + body(text, encoding)


def edit(text, changes):
    """Replaces whole lines: changes maps (section header, key) -> new line.
    Every key must be found, so a changed golden file cannot hollow a test out."""
    pending = dict(changes)
    section = None
    out = []
    for line in text.split("\r\n"):
        if line.startswith("["):
            section = line
        elif "=" in line:
            key = (section, line.split("=", 1)[0])
            if key in pending:
                line = pending.pop(key)
        out.append(line)
    assert not pending, "keys not in the file: %s" % sorted(pending)
    return "\r\n".join(out)


def rect_lines(section, rect, prefix=""):
    return {(section, prefix + edge): "%s%s=%d" % (prefix, edge, value) for edge, value in zip(EDGES, rect)}


def first_start_presets(start_rect, metrics):
    """The five presets a first start derives from the window it starts with (before
    the window wraps itself around the first picture) and from the screen."""
    left, top, right, bottom = start_rect
    presets = [(left - dx, top - dy, right + dx, bottom + dy) for dx, dy in PRESET_GROWTH]
    width, height, frame = metrics["cxscreen"], metrics["cyscreen"], metrics["cxsizeframe"]
    presets.append((0, 0, width // 5 + 2 * frame, height))
    presets.append((width - 2 * frame - width // 5, 0, width, height))
    return presets


def start_rect_from(text):
    """The starting window rectangle, taken back from the saved preset 1."""
    values = {}
    for line in text.split("\r\n"):
        key, _, value = line.partition("=")
        if key in ("1left", "1top", "1right", "1bottom"):
            values[key] = int(value)
    dx, dy = PRESET_GROWTH[0]
    return (values["1left"] + dx, values["1top"] + dy, values["1right"] - dx, values["1bottom"] - dy)


def with_geometry(text, rect, presets=None):
    changes = rect_lines("[Position]", rect)
    for n, preset in enumerate(presets or (), 1):
        changes.update(rect_lines("[Presets]", preset, str(n)))
    return edit(text, changes)


session = None


def setUpModule():
    global session
    session = harness.Session.for_module()


class SettingsFileTest(unittest.TestCase):
    maxDiff = None

    @classmethod
    def setUpClass(cls):
        with open(GOLDEN, "rb") as f:
            raw = f.read()
        assert raw.startswith(BOM16), "golden file is not UTF-16LE with BOM"
        cls.golden = raw[2:].decode("utf-16-le")

    def setUp(self):
        self.s = session
        self.addCleanup(session.stop)

    # ---- helpers

    def start(self, ini=None, extra=None):
        # A picture, so that the program does not ask for a folder to show.
        files = {PICTURE_NAME: PICTURE}
        files.update(extra or {})
        if ini is not None:
            files[INI] = ini
        self.s.start(files=files)
        return self.s.info()

    def close(self, how=WM_CLOSE):
        """Ends the program by WM_CLOSE or WM_ENDSESSION(TRUE); returns the
        window rectangle seen just before."""
        rect = self.s.info()["rect"]
        if how == WM_CLOSE:
            self.s.post(WM_CLOSE)
        else:
            # The program may be gone before the reply comes back.
            self.s.send(WM_ENDSESSION, 1, 0, timeout_ms=10000)
        code = self.s.wait_exit(15)
        self.assertIsNotNone(code, "program still running after it was told to end")
        self.assertEqual(code, 0, "exit code")
        return tuple(rect)

    def saved_text(self):
        data = self.s.read_file(INI)
        self.assertIsNotNone(data, "no %s written" % INI)
        self.assertTrue(data.startswith(BOM16), "not UTF-16LE with BOM: %r" % data[:8])
        self.assertEqual(len(data) % 2, 0, "odd byte count")
        text = data[2:].decode("utf-16-le", "surrogatepass")
        lines = text.split("\r\n")
        self.assertFalse([ln for ln in lines if "\r" in ln or "\n" in ln], "line end other than CR LF")
        self.assertEqual([ln for ln in lines if ln.startswith("[")], SECTIONS, "sections")
        return text

    def assert_first_start_saved(self, rect):
        """Defaults, [Position] the window at close, presets consistent with one start."""
        start = start_rect_from(self.saved_text())
        # The dialog the program starts from is wider than high and no larger than the screen.
        self.assertGreater(start[2] - start[0], start[3] - start[1])
        self.assert_saved(with_geometry(self.golden, rect, first_start_presets(start, self.s.metrics())))

    def assert_saved(self, expected):
        self.assertEqual(self.saved_text().split("\r\n"), expected.split("\r\n"))

    # ---- cases

    def test_first_start_writes_defaults_when_closed(self):
        info = self.start()
        self.assertFalse(self.s.exists(INI), "settings written before the program ended")
        self.assertEqual(info["class"], "#32770")
        wanted = harness.windows_path(self.s.path(PICTURE_NAME)) + " - Vistelo"
        caption = harness.wait_until(lambda: self.s.info()["caption"][:len(wanted)], wanted, timeout=5)
        self.assertEqual(caption, wanted)
        rect = self.close()
        self.assert_first_start_saved(rect)

    def test_end_of_session(self):
        for ending, saves in ((1, True), (0, False)):
            with self.subTest(wparam=ending):
                self.start()
                if saves:
                    rect = self.close(WM_ENDSESSION)
                    self.assert_first_start_saved(rect)
                else:
                    self.assertIsNotNone(self.s.send(WM_ENDSESSION, 0, 0), "no reply to WM_ENDSESSION(FALSE)")
                    self.assertTrue(self.s.sync(), "window gone after WM_ENDSESSION(FALSE)")
                    self.assertTrue(self.s.program.running())
                    self.assertFalse(self.s.exists(INI), "settings written although the session goes on")

    def test_savesettings_false_leaves_file_untouched(self):
        cases = (
            ("savesettings=FALSE", "utf-16le-bom", WM_CLOSE),
            ("SaveSettings=false", "utf-8", WM_CLOSE),
            ("savesettings=FALSE", "utf-8-bom", WM_ENDSESSION),
        )
        for line, encoding, how in cases:
            with self.subTest(line=line, encoding=encoding, how=how):
                ini = encode(edit(self.golden, {("[Settings]", "savesettings"): line}), encoding)
                self.start(ini)
                self.close(how)
                self.assertTrue(self.s.read_file(INI) == ini, "%s changed" % INI)

    def test_hand_edited_file_is_honoured(self):
        # (section, key, line in the file, line saved back)
        edits = [
            ("[Slideshow]", "timer", "TIMER=1234", "timer=1234"),
            ("[Slideshow]", "slide", "slide=true", "slide=TRUE"),
            ("[Image]", "rotation", "rotation=-90", "rotation=-90"),
            ("[Image]", "zoom", "zoom=-50", "zoom=0"),  # kept within its range
            ("[Image]", "wrap", "wrap=FALSE", "wrap=FALSE"),  # the window takes [Position]
            ("[Portable]", "image viewer", "Image Viewer=C:\\Tools\\v=2.exe", "image viewer=C:\\Tools\\v=2.exe"),
            ("[Catalog]", "thumbsize", "thumbsize=  64", "thumbsize=64"),
            ("[Presets]", "2top", "2top=-7", "2top=-7"),
        ]
        placed = (100, 50, 500, 450)
        folder_name = "Bilder=neu \u00dcrlaub \u65e5\u672c"
        for encoding in ("utf-16le-bom", "utf-8-bom", "utf-8"):
            with self.subTest(encoding=encoding):
                # The picture folder has to exist; it lives in the program folder.
                folder = self.s.new_folder({folder_name + "/" + PICTURE_NAME: PICTURE})
                folder_line = "folder=" + harness.windows_path(os.path.join(folder, folder_name))
                given = {(sec, key): line for sec, key, line, _ in edits}
                given[("[Portable]", "folder")] = folder_line
                given.update(rect_lines("[Position]", placed))
                saved = {(sec, key): line for sec, key, _, line in edits}
                saved[("[Portable]", "folder")] = folder_line
                with open(os.path.join(folder, INI), "wb") as f:
                    f.write(encode(edit(self.golden, given), encoding))
                self.s.start(folder=folder)
                rect = harness.wait_until(lambda: tuple(self.s.info()["rect"]), placed, timeout=5)
                self.assertEqual(rect, placed, "window not where [Position] puts it")
                # Where the user drops the window is what [Position] keeps.
                left, top, right, bottom = placed
                self.s.drag(left + 37, top + 23)
                dropped = (left + 37, top + 23, right + 37, bottom + 23)
                self.assertEqual(tuple(self.s.info()["rect"]), dropped)
                self.close()
                self.assert_saved(with_geometry(edit(self.golden, saved), dropped))

    def test_damaged_file_keeps_readable_keys(self):
        long_line = "[" + "x" * 4999
        given = {
            ("[Slideshow]", "timer"): "timer=1234\r\n@GARBAGE@\r\nsort=2\r\n" + long_line,
            # After the stray "[" line these belong to no known section.
            ("[Slideshow]", "loopshuffle"): "loopshuffle=TRUE",
            ("[Slideshow]", "autoscroll"): "autoscroll=FALSE",
            ("[Image]", "rotation"): "rotation=-90",
            ("[Menu]", "at cursor"): "at cursor=FALSE",
            ("[Hotkeys]", "hidemod"): "hidemod=4",
        }
        saved = {
            ("[Slideshow]", "timer"): "timer=1234",
            ("[Slideshow]", "sort"): "sort=2",
            ("[Image]", "rotation"): "rotation=-90",
            ("[Menu]", "at cursor"): "at cursor=FALSE",
            ("[Hotkeys]", "hidemod"): "hidemod=4",
        }
        garbage = {
            # NULs, unpaired surrogates, a stray BOM, "=" and non-characters.
            "utf-16le-bom": b"".join(u.to_bytes(2, "little") for u in (
                0x0000, 0xD800, 0x0041, 0xFFFF, 0xFEFF, 0x003D, 0xDC00, 0xFFFE, 0x0000, 0x5B00)),
            # NULs, lone continuation bytes, overlong forms, bytes that are never UTF-8.
            "utf-8": b"\x00\x80\xbf=\xc0\x80\xff\xfe\xf5\x00\xed\xa0\x80[\xe2\x82",
        }
        for encoding, junk in garbage.items():
            with self.subTest(encoding=encoding):
                text = edit(self.golden, given)
                # Cut inside the last key: [Hotkeys] hidekey keeps its default.
                text = text[:text.index("hidekey=") + len("hide")]
                data = encode(text, encoding).replace(body("@GARBAGE@", encoding), junk)
                if encoding == "utf-16le-bom":
                    data += b"k"  # half a code unit
                info = self.start(data)
                self.assertTrue(info["visible"])
                rect = self.close()
                # [Presets] were read intact and are kept; the window wrapped itself around
                # the picture, and [Position] keeps where it is.
                self.assert_saved(with_geometry(edit(self.golden, saved), rect))

    def test_failing_save_ends_cleanly(self):
        # vistelo.ini is a folder: nothing can be written, the program still ends.
        self.start(extra={INI + "/": None})
        self.s.post(WM_CLOSE)
        code = self.s.wait_exit(5)
        if code is None:
            box = self.s.dialog(timeout=10, owner=0)
            self.assertIsNotNone(box, "program neither ended nor showed why")
            self.s.press(box["hwnd"], box["buttons"][0]["id"] if box["buttons"] else harness.IDOK)
            code = self.s.wait_exit(15)
        self.assertIsNotNone(code, "program still running")
        self.assertTrue(os.path.isdir(self.s.path(INI)))
        self.assertFalse(self.s.exists(INI + ".new"), "temporary file left behind")

    def test_save_now_writes_while_running(self):
        self.start()
        self.s.post(WM_COMMAND, CMD_SAVE_NOW)
        self.assertTrue(harness.wait_until(lambda: self.s.exists(INI), True, timeout=5), "Save Now wrote nothing")
        rect = tuple(self.s.info()["rect"])
        self.assert_first_start_saved(rect)
        self.assertTrue(self.s.program.running())
        self.close()

    def test_failed_save_keeps_old_file(self):
        # The temporary file cannot be made (a folder has its name): Save Now says
        # so, and neither it nor the save at exit touches the old file.
        old = encode(edit(self.golden, {("[Slideshow]", "timer"): "timer=777"}), "utf-16le-bom")
        self.start(old, extra={INI + ".new/": None})
        self.s.post(WM_COMMAND, CMD_SAVE_NOW)
        box = self.s.dialog(timeout=10)
        self.assertIsNotNone(box, "no message after a failed Save Now")
        self.assertEqual(box["caption"], "Vistelo")
        self.assertIn("Save failed", box["texts"])
        self.s.press(box["hwnd"], harness.IDOK)
        self.assertTrue(self.s.window_gone(box["hwnd"], timeout=5))
        self.assertEqual(self.s.read_file(INI), old)
        self.close()
        self.assertEqual(self.s.read_file(INI), old)

    def test_escape_key_ends_and_saves(self):
        self.start()
        self.s.key(VK_ESCAPE)
        code = self.s.wait_exit(15)
        self.assertEqual(code, 0)
        self.saved_text()

    def test_unavailable_folder_is_reported_and_kept_in_file(self):
        missing = "C:\\no such folder\\pictures"
        self.s.start(files={INI: encode(edit(self.golden, {("[Portable]", "folder"): "folder=" + missing}),
                                        "utf-16le-bom"), PICTURE_NAME: PICTURE}, wait_window=False)
        box = self.s.dialog(timeout=15)
        self.assertIsNotNone(box, "no message for a folder that does not exist")
        self.assertIn(missing + " is unavailable", box["texts"])
        self.s.press(box["hwnd"], harness.IDOK)
        self.assertTrue(self.s.window_gone(box["hwnd"], timeout=5))
        self.s.main_window(timeout=10)
        self.assertTrue(harness.wait_until(lambda: self.s.info()["visible"], True, timeout=5))
        self.assertIsNone(self.s.dialog(timeout=1), "reported more than once")
        self.close()
        self.assertIn("folder=" + missing, self.saved_text().split("\r\n"))


class MainWindowTest(unittest.TestCase):
    def setUp(self):
        self.s = session
        self.addCleanup(session.stop)

    def test_folder_without_pictures_asks_for_another(self):
        self.s.start(wait_window=False)
        picker = self.s.dialog(timeout=15)
        self.assertIsNotNone(picker, "no folder picker for a folder without pictures")
        self.assertIn("Set exhibit root. Hold SHIFT to append", picker["texts"])
        self.s.press(picker["hwnd"], harness.IDCANCEL)
        self.s.main_window(timeout=15)
        self.assertTrue(harness.wait_until(lambda: self.s.info()["visible"], True, timeout=5))
        self.s.post(WM_CLOSE)
        self.assertEqual(self.s.wait_exit(15), 0)

    def test_window_after_start(self):
        self.s.start(files={PICTURE_NAME: PICTURE})
        info = self.s.info()
        self.assertTrue(info["visible"])
        wanted = harness.WS_CAPTION | harness.WS_SYSMENU | harness.WS_THICKFRAME
        self.assertEqual(info["style"] & wanted, wanted, "style 0x%08x" % info["style"])
        for lparam, result in ((1, BROADCAST_QUERY_DENY), (0, 1)):
            with self.subTest(power_query_lparam=lparam):
                self.assertEqual(self.s.send(WM_POWERBROADCAST, PBT_APMQUERYSUSPEND, lparam), result)
        self.assertTrue(self.s.program.running())


if __name__ == "__main__":
    unittest.main()
