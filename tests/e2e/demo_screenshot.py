"""Runs Vistelo on a virtual display over a folder of pictures and saves a
screenshot of what a user would see: for machines without a display.

    demo_screenshot.py VISTELO_EXE PICTURE_FOLDER SCREENSHOT.png

The Wine prefix comes from $WINEPREFIX (prepared with prepare_prefix.py); the
test driver is expected beside the program.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402


def main(exe, pictures, shot):
    driver = os.path.join(os.path.dirname(exe), "vdriver.exe")
    with harness.Session(exe=exe, driver=driver, prefix=os.environ["WINEPREFIX"]) as session:
        session.start(args=[harness.windows_path(pictures)], cwd=pictures)
        time.sleep(1.0)  # let the first paint settle
        session.screenshot(shot)
        session.close_main()
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*(os.path.abspath(a) for a in sys.argv[1:])))
