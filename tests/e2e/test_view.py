"""The window around the picture: a picture larger than the screen is fitted into
the work area and the caption tells the zoom; a small one keeps its own size."""

import os
import unittest

import harness

session = None


def setUpModule():
    global session
    session = harness.Session.for_module()


class ViewTest(unittest.TestCase):
    def setUp(self):
        self.s = session
        self.addCleanup(session.stop)

    def show(self, width, height):
        folder = self.s.new_folder({"pictures/big.bmp": harness.bmp_bytes(width, height)})
        path = os.path.join(folder, "pictures", "big.bmp")
        self.s.start(args=[harness.windows_path(path)], folder=folder)
        prefix = harness.windows_path(path) + " - Vistelo"
        caption = harness.wait_until(lambda: self.s.info()["caption"][:len(prefix)], prefix, timeout=10)
        self.assertEqual(caption, prefix)
        return self.s.info()

    def test_large_picture_is_fitted_into_the_work_area(self):
        info = self.show(2000, 1500)
        work = self.s.metrics()["work"]
        left, top, right, bottom = info["rect"]
        self.assertGreaterEqual(left, work[0])
        self.assertGreaterEqual(top, work[1])
        self.assertLessEqual(right, work[2])
        self.assertLessEqual(bottom, work[3])
        # Fitted, the picture keeps its shape: 4:3 within a pixel.
        zoom = info["caption"].split(" (Zoom: ", 1)[1].rstrip(")")
        drawn_width, drawn_height = (int(v) for v in zoom.split(" x "))
        self.assertEqual(drawn_width, info["client"][2])
        self.assertLessEqual(abs(drawn_width * 3 - drawn_height * 4), 4)
        self.s.post(harness.WM_CLOSE)
        self.assertEqual(self.s.wait_exit(30), 0)

    def test_small_picture_keeps_its_size_and_the_caption_has_no_zoom(self):
        info = self.show(120, 90)
        self.assertEqual(info["client"][2], 120)
        self.assertNotIn("(Zoom:", info["caption"])
        self.s.post(harness.WM_CLOSE)
        self.assertEqual(self.s.wait_exit(30), 0)


if __name__ == "__main__":
    unittest.main()
