"""Building the exhibit from a folder tree on disk: what the walk takes, the
order it ends in, the start file named on the command line, and the commands
that reorder or rebuild it.

Until the caption shows the picture's place, the test reads the place from the
settings the program saves: with `markexit` on, `bookmark` is the index of the
current entry at exit. Reversing the order then also tells the list's length.
"""

import os
import time
import unittest

import harness
from harness import WM_CLOSE, WM_COMMAND

PICTURE = harness.bmp_bytes()
CMD_FORWARD, CMD_REVERSE, CMD_SORT_NAME, CMD_SORT_TREE = 1040, 1041, 1045, 1043
CMD_PNG, CMD_NEXT_FOLDER, CMD_SAVE_NOW = 1126, 1056, 1501

session = None


def setUpModule():
    global session
    session = harness.Session.for_module()


def settings_text(markexit=True):
    lines = ["[Settings]", "markexit=%s" % ("TRUE" if markexit else "FALSE"), ""]
    return ("\ufeff" + "\r\n".join(lines)).encode("utf-16-le")


class ExhibitTest(unittest.TestCase):
    def setUp(self):
        self.s = session
        self.addCleanup(session.stop)

    def make_tree(self):
        """A picture tree beside the program; returns (program folder, root)."""
        files = {
            "vistelo.ini": settings_text(),
            "pictures/b.jpg": PICTURE,
            "pictures/a.png": PICTURE,
            "pictures/notes.txt": b"text",
            "pictures/noext": PICTURE,
            "pictures/sub/c.gif": PICTURE,
            "pictures/sub/deeper/d.bmp": PICTURE,
            "pictures/RECYCLER/x.jpg": PICTURE,
            "pictures/album.lnk/in.jpg": PICTURE,  # a folder, whatever its name says
            "elsewhere/e.jpg": PICTURE,
            "further/f.jpg": PICTURE,
        }
        folder = self.s.new_folder(files)
        root = os.path.join(folder, "pictures")
        w = harness.windows_path
        for target, link in ((os.path.join(folder, "elsewhere", "e.jpg"), "pic link.lnk"),
                             (os.path.join(folder, "further"), "more.lnk"),
                             (root, "self.lnk"),
                             (folder, "parent.lnk")):
            self.s.call("shortcut %s|%s" % (w(target), w(os.path.join(root, link))))
        return folder, root

    def saved_bookmark(self):
        data = self.s.read_file("vistelo.ini")
        if not data:
            return None
        text = data[2:].decode("utf-16-le")
        if "\r\nbookmark=" not in text:
            return None
        return int(text.split("\r\nbookmark=", 1)[1].split("\r\n", 1)[0])

    def bookmark_after(self, commands=(), args=(), folder=None, expected=None):
        """The current index once the walk has ended: the walk goes on after the
        first pictures are shown, so Save Now is repeated until the saved index is
        the expected one (or ten seconds have passed) and the last one is returned."""
        self.s.start(args=args, folder=folder)
        if commands:
            # The walk of this small tree ends well within a second; the commands are
            # meant for the whole sorted list, not for the first pictures.
            time.sleep(1.0)
        for command in commands:
            self.s.post(WM_COMMAND, command)

        def saved():
            self.s.send(WM_COMMAND, CMD_SAVE_NOW)
            return self.saved_bookmark()

        found = harness.wait_until(saved, expected, timeout=10, interval=0.2)
        self.s.post(WM_CLOSE)
        self.assertEqual(self.s.wait_exit(30), 0)
        return found

    # In the default order (own files before subfolders, folders by name) the tree is
    #   0 further\f.jpg  1 pictures\a.png  2 pictures\b.jpg  3 pictures\pic link.lnk
    #   4 pictures\album.lnk\in.jpg  5 pictures\sub\c.gif  6 pictures\sub\deeper\d.bmp
    def test_start_file_and_order(self):
        cases = (
            ("start file found in sorted list", (), 2),
            ("reverse tells the length", (CMD_REVERSE,), 4),
            ("forward again", (CMD_REVERSE, CMD_FORWARD), 2),
            ("next folder", (CMD_NEXT_FOLDER,), 4),
            ("png off drops one picture before it", (CMD_PNG,), 1),
        )
        for name, commands, expected in cases:
            with self.subTest(name):
                folder, root = self.make_tree()
                start = harness.windows_path(os.path.join(root, "b.jpg"))
                self.assertEqual(self.bookmark_after(commands, args=[start], folder=folder, expected=expected), expected)

    def test_file_argument_makes_its_folder_the_root(self):
        folder, root = self.make_tree()
        start = harness.windows_path(os.path.join(root, "sub", "c.gif"))
        # sub holds c.gif and deeper\d.bmp: reversed, c.gif is the second of two.
        self.assertEqual(self.bookmark_after((CMD_REVERSE,), args=[start], folder=folder, expected=1), 1)

    def test_status_bar_shows_place_size_and_zoom(self):
        folder, root = self.make_tree()
        self.s.start(args=[harness.windows_path(os.path.join(root, "b.jpg"))], folder=folder)
        # The walk ends, the sorted list comes in, and b.jpg is the third of seven.
        parts = harness.wait_until(lambda: self.s.status_texts()[4:5], ["\t3/7"], timeout=10)
        self.assertEqual(parts, ["\t3/7"])
        texts = self.s.status_texts()
        self.assertEqual(texts[0], "\t0.07KB")  # the 70 bytes of the 2x2 picture
        self.assertEqual(texts[1], "\t2x2x24")
        self.assertEqual(texts[6], "\tF1 menu | Esc exit")
        self.s.post(WM_CLOSE)
        self.assertEqual(self.s.wait_exit(30), 0)

    def test_shortcut_to_picture_is_an_entry(self):
        folder, root = self.make_tree()
        link = harness.windows_path(os.path.join(root, "pic link.lnk"))
        self.assertEqual(self.bookmark_after(args=[link], folder=folder, expected=3), 3)

    def test_unloadable_pictures_are_logged_and_the_next_good_one_shown(self):
        for option in ("-removefail", "-noremovefail"):
            with self.subTest(option):
                folder = self.s.new_folder({
                    "pictures/a corrupt.jpg": b"\xff\xd8\xff\xe0 this is not a picture",
                    "pictures/b empty.png": b"",
                    "pictures/c good.bmp": PICTURE,
                })
                root = os.path.join(folder, "pictures")
                self.s.start(args=[harness.windows_path(root)], folder=folder)
                good = harness.windows_path(os.path.join(root, "c good.bmp")) + " - Vistelo"
                caption = harness.wait_until(lambda: self.s.info()["caption"][:len(good)], good, timeout=10)
                self.assertEqual(caption, good)
                log = "".join(harness.windows_path(os.path.join(root, name)) + "\r\n"
                              for name in ("a corrupt.jpg", "b empty.png"))
                self.assertEqual(self.s.read_file("errors.log"), b"\xff\xfe" + log.encode("utf-16-le"))
                self.s.post(WM_CLOSE)
                self.assertEqual(self.s.wait_exit(30), 0)

    def test_folder_of_unloadable_files_shows_the_empty_view(self):
        folder = self.s.new_folder({"pictures/bad.jpg": b"nothing"})
        root = os.path.join(folder, "pictures")
        self.s.start(args=[harness.windows_path(root)], folder=folder)
        wanted = harness.windows_path(root) + " - Vistelo"
        self.assertEqual(harness.wait_until(lambda: self.s.info()["caption"], wanted, timeout=10), wanted)
        self.s.post(WM_CLOSE)
        self.assertEqual(self.s.wait_exit(30), 0)

    def test_window_stays_responsive_during_a_long_walk(self):
        folder = self.s.new_folder({"vistelo.ini": settings_text()})
        big = os.path.join(folder, "big")
        for f in range(300):
            sub = os.path.join(big, "level%d" % (f % 10), "folder%d" % f)
            os.makedirs(sub)
            for i in range(100):
                open(os.path.join(sub, "IMG_%d.jpg" % i), "wb").close()
        self.s.start(args=[harness.windows_path(big)], folder=folder)
        for _ in range(5):
            self.assertIsNotNone(self.s.send(harness.WM_NULL, timeout_ms=5000), "window did not answer")
        self.s.post(WM_CLOSE)
        self.assertEqual(self.s.wait_exit(60), 0)


if __name__ == "__main__":
    unittest.main()
