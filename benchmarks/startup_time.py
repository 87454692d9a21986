"""Times the running program under Wine and Xvfb: from starting Vistelo.exe to
its main window being visible, and from WM_CLOSE to the process having ended
with its settings saved. Prints the median and the range over N runs.

    startup_time.py [N]

Uses the same environment as the end-to-end tests: VISTELO_EXE,
VISTELO_DRIVER and VISTELO_WINEPREFIX (see tests/e2e/CMakeLists.txt).
"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
import harness  # noqa: E402


def main(runs):
    harness.prepare_prefix(harness.env_path("VISTELO_WINEPREFIX"))
    start_times, exit_times = [], []
    with harness.Session() as session:
        picture = {"sample.bmp": harness.bmp_bytes(640, 480)}  # a folder without pictures would ask for one
        session.start(files=picture)  # a first run warms the wineserver and the file cache
        session.close_main()
        for _ in range(runs):
            began = time.monotonic()
            session.start(files=picture, wait_window=False)
            harness.wait_until(lambda: _visible(session), True, timeout=30, interval=0.01)
            start_times.append(time.monotonic() - began)
            began = time.monotonic()
            session.post(harness.WM_CLOSE)
            session.wait_exit(30)
            exit_times.append(time.monotonic() - began)
    for name, times in (("start to visible window", start_times), ("WM_CLOSE to exit", exit_times)):
        print("%-24s median %6.0f ms   min %6.0f ms   max %6.0f ms   (%d runs)"
              % (name, statistics.median(times) * 1000, min(times) * 1000, max(times) * 1000, len(times)))
    return 0


def _visible(session):
    try:
        session.main_window(timeout=0.01)
        return session.info()["visible"]
    except harness.HarnessError:
        return False


if __name__ == "__main__":
    sys.exit(main(int(sys.argv[1]) if len(sys.argv) > 1 else 10))
