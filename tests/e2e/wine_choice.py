"""Prints the Windows build this machine's Wine can run and the command that runs
it, as "ARCH;LOADER" (a CMake list): "i686;wine" where 32-bit programs run,
"x86_64;/usr/lib/wine/wine64" on a kernel without 32-bit support.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

if __name__ == "__main__":
    print("%s;%s" % (harness.WINE_ARCH, harness.WINE))
