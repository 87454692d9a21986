"""Pictures stand the right way up: a picture of four coloured quadrants, stored
turned or mirrored with each of the eight EXIF orientations, must show the same
colour in each corner of the window."""

import os
import struct
import subprocess
import unittest

import harness

# Red, green, blue and yellow quadrants: top left, top right, bottom left, bottom right.
UPRIGHT = ("red", "lime", "blue", "yellow")
COLOURS = {"red": (255, 0, 0), "lime": (0, 255, 0), "blue": (0, 0, 255), "yellow": (255, 255, 0)}
WIDTH, HEIGHT = 200, 100
# For each orientation: the tag's name and how to store the upright picture so that
# applying the orientation brings it back.
STORED = {
    1: ("TopLeft", []),
    2: ("TopRight", ["-flop"]),
    3: ("BottomRight", ["-rotate", "180"]),
    4: ("BottomLeft", ["-flip"]),
    5: ("LeftTop", ["-transpose"]),
    6: ("RightTop", ["-rotate", "-90"]),
    7: ("RightBottom", ["-transverse"]),
    8: ("LeftBottom", ["-rotate", "90"]),
}

session = None


def setUpModule():
    global session
    session = harness.Session.for_module()


def exif_segment(orientation):
    """An APP1 Exif block, little-endian, whose one IFD0 entry is the orientation."""
    tiff = b"II*\0" + struct.pack("<I", 8) + struct.pack("<H", 1)
    tiff += struct.pack("<HHIHH", 0x0112, 3, 1, orientation, 0) + struct.pack("<I", 0)
    payload = b"Exif\0\0" + tiff
    return b"\xff\xe1" + struct.pack(">H", len(payload) + 2) + payload


def make_picture(path, orientation):
    inverse = STORED[orientation][1]
    half = "%dx%d" % (WIDTH // 2, HEIGHT // 2)
    tl, tr, bl, br = UPRIGHT
    subprocess.run(["convert", "(", "-size", half, "xc:" + tl, "xc:" + tr, "+append", ")",
                    "(", "-size", half, "xc:" + bl, "xc:" + br, "+append", ")", "-append"]
                   + inverse + ["-strip", "-quality", "95", path], check=True, timeout=60)
    with open(path, "rb") as f:
        jpeg = f.read()
    with open(path, "wb") as f:
        f.write(jpeg[:2] + exif_segment(orientation) + jpeg[2:])


def pixel(png, x, y):
    channel = "%%[fx:int(255*p{%d,%d}.%s)]"
    fmt = ",".join(channel % (x, y, c) for c in "rgb")
    out = subprocess.run(["convert", png, "-format", fmt, "info:"],
                         capture_output=True, text=True, check=True, timeout=60).stdout
    return tuple(int(v) for v in out.split(","))


def nearest(rgb):
    return min(COLOURS, key=lambda name: sum((a - b) ** 2 for a, b in zip(COLOURS[name], rgb)))


class OrientationTest(unittest.TestCase):
    def setUp(self):
        self.s = session
        self.addCleanup(session.stop)

    def test_every_exif_orientation_shows_upright(self):
        for orientation in sorted(STORED):
            with self.subTest(orientation=orientation):
                folder = self.s.new_folder()
                path = os.path.join(folder, "o%d.jpg" % orientation)
                make_picture(path, orientation)
                self.s.start(args=[harness.windows_path(path)], folder=folder)
                wanted = harness.windows_path(path) + " - Vistelo"
                self.assertEqual(harness.wait_until(lambda: self.s.info()["caption"], wanted, timeout=10), wanted)
                info = self.s.info()
                # The window wraps the picture: its client area is the picture over the status bar.
                self.assertEqual(info["client"][2], WIDTH)
                x0, y0 = info["origin"]
                def corners():
                    # The display may lag the window's painting a little on a loaded machine.
                    shot = self.s.screenshot()
                    return tuple(nearest(pixel(shot, x0 + x, y0 + y))
                                 for x, y in ((WIDTH // 4, HEIGHT // 4), (3 * WIDTH // 4, HEIGHT // 4),
                                              (WIDTH // 4, 3 * HEIGHT // 4), (3 * WIDTH // 4, 3 * HEIGHT // 4)))
                self.assertEqual(harness.wait_until(corners, UPRIGHT, timeout=5, interval=0.2), UPRIGHT)
                self.s.post(harness.WM_CLOSE)
                self.assertEqual(self.s.wait_exit(30), 0)


if __name__ == "__main__":
    unittest.main()
