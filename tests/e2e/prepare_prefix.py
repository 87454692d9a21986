"""Creates the Wine prefix of an end-to-end run (ctest fixture setup).

    python3 prepare_prefix.py [PREFIX]     default: $VISTELO_WINEPREFIX

Instant when the prefix was already made by the same Wine version.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402


def main(argv):
    prefix = argv[1] if len(argv) > 1 else harness.env_path("VISTELO_WINEPREFIX")
    started = time.monotonic()
    try:
        created = harness.prepare_prefix(prefix)
    except harness.HarnessError as e:
        print("prepare_prefix: %s" % e, file=sys.stderr)
        return 1
    print("%s %s in %.1fs" % ("created" if created else "reused", prefix, time.monotonic() - started))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
