"""End-to-end harness: runs Vistelo.exe under Wine on a private Xvfb display
and drives it through vdriver.exe (see driver/vdriver.cpp for the commands).

Environment:
    VISTELO_EXE         the program (32-bit Vistelo.exe)
    VISTELO_DRIVER      vdriver.exe from the same cross build
    VISTELO_WINEPREFIX  the Wine prefix shared by every test of a run
    VISTELO_E2E_KEEP=1  keep each session's temporary folder (logs, program
                        folders) instead of deleting it

One wineserver serves every process of a prefix, so sessions on the same
prefix must not overlap (ctest runs them under RESOURCE_LOCK wine). Each
session ends with `wineserver -k`.

Typical use, one session per test module and a fresh program (own folder,
own process) per case:

    def setUpModule():
        global session
        session = harness.Session.for_module()

    class T(unittest.TestCase):
        def setUp(self):
            self.s = session
            self.addCleanup(session.stop)
        def test_x(self):
            self.s.start(files={"vistelo.ini": b"..."})   # waits for the window
            self.s.post(harness.WM_CLOSE)
            self.assertEqual(self.s.wait_exit(15), 0)

or, for a single run, `with harness.Session() as s: s.start(...)`.

Running by hand, from tests/e2e (ctest does the same with `ctest -R e2e_`):

    export VISTELO_EXE=.../i686/Vistelo.exe VISTELO_DRIVER=.../i686/vdriver.exe
    export VISTELO_WINEPREFIX=/tmp/vistelo-prefix
    python3 prepare_prefix.py && python3 -m unittest -v test_settings

Every wait is bounded. Started processes get their own process group and die
with the test process; a SIGTERM ends the run after cleaning up.
"""

import atexit
import ctypes
import json
import os
import select
import shutil
import signal
import struct
import subprocess
import tempfile
import time

WINE_DLL_OVERRIDES = "mscoree,mshtml="
SCREEN = (1024, 768, 24)
MAIN_CAPTION = "Vistelo"
PREFIX_STAMP = ".vistelo-prefix-ready"
# Changes whenever prepare_prefix sets the prefix up differently, so old ones are remade.
PREFIX_RECIPE = "unmanaged-windows "

WM_NULL = 0x0000
WM_CLOSE = 0x0010
WM_ENDSESSION = 0x0016
WM_COMMAND = 0x0111
WM_ENTERSIZEMOVE = 0x0231
WM_EXITSIZEMOVE = 0x0232
WM_POWERBROADCAST = 0x0218
BROADCAST_QUERY_DENY = 0x424D5144

WS_THICKFRAME = 0x00040000
WS_SYSMENU = 0x00080000
WS_CAPTION = 0x00C00000
WS_VISIBLE = 0x10000000

IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO = 1, 2, 3, 4, 5, 6, 7


class HarnessError(Exception):
    pass


def env_path(name):
    value = os.environ.get(name)
    if not value:
        raise HarnessError("environment variable %s is not set" % name)
    return os.path.abspath(value)


# Debian's wine script runs the 32-bit loader whenever it is installed, even on a
# kernel that cannot execute 32-bit programs; there only the 64-bit loader runs.
DEBIAN_WINE32 = "/usr/lib/wine/wine"
DEBIAN_WINE64 = "/usr/lib/wine/wine64"


def _runs(argv):
    try:
        return subprocess.run(argv, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=60).returncode == 0
    except (OSError, subprocess.TimeoutExpired):
        return False


def choose_wine():
    """(arch, loader): the Windows build this machine's Wine can run and the
    command that runs it. $VISTELO_WINE and $VISTELO_WINE_ARCH override."""
    if os.environ.get("VISTELO_WINE"):
        return os.environ.get("VISTELO_WINE_ARCH", "i686"), os.environ["VISTELO_WINE"]
    if os.path.exists(DEBIAN_WINE32) and not _runs([DEBIAN_WINE32, "--version"]) \
            and _runs([DEBIAN_WINE64, "--version"]):
        return "x86_64", DEBIAN_WINE64
    return "i686", "wine"


WINE_ARCH, WINE = choose_wine()


def wine_env(prefix, display=None):
    env = dict(os.environ)
    if os.path.isabs(WINE):
        env["WINELOADER"] = WINE  # processes Wine starts itself use the same loader
    env["WINEPREFIX"] = prefix
    env["WINEDEBUG"] = "-all"
    env["WINEDLLOVERRIDES"] = WINE_DLL_OVERRIDES
    # A display inherited from the caller must never leak into a session.
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    if display is not None:
        env["DISPLAY"] = ":%d" % display
    return env


def windows_path(path):
    """The Z: drive path Wine maps to an absolute Linux path."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def bmp_bytes(width=2, height=2, rgb=(0x20, 0x80, 0xC0)):
    """A small uncompressed 24-bit BMP of one colour: a picture every decoder takes,
    whatever the extension of the file it is written to."""
    stride = (width * 3 + 3) & ~3
    row = bytes((rgb[2], rgb[1], rgb[0])) * width + b"\0" * (stride - width * 3)
    pixels = row * height
    header = b"BM" + struct.pack("<IHHI", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    return header + info + pixels


def wait_until(probe, wanted, timeout, interval=0.05):
    """Calls probe() until it returns `wanted` or `timeout` seconds have
    passed; returns the last value it gave."""
    deadline = time.monotonic() + timeout
    while True:
        value = probe()
        if value == wanted or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


# ---------------------------------------------------------------- processes

_live = set()  # every process group still running, killed at interpreter exit

try:
    _libc = ctypes.CDLL(None, use_errno=True)
    _prctl = _libc.prctl
except (OSError, AttributeError):
    _prctl = None
PR_SET_PDEATHSIG = 1


def _die_with_parent():
    # Runs in the child before exec: should this test process be killed
    # outright (a runner's timeout), the kernel ends the child too.
    if _prctl is not None:
        _prctl(PR_SET_PDEATHSIG, signal.SIGKILL, 0, 0, 0)


def _spawn(argv, **kw):
    proc = subprocess.Popen(argv, start_new_session=True, preexec_fn=_die_with_parent, **kw)
    _live.add(proc)
    return proc


def kill_group(proc, grace=0.0):
    """Ends a process started by _spawn together with its process group."""
    if proc is None:
        return
    try:
        if proc.poll() is None and grace > 0:
            try:
                os.killpg(proc.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                proc.wait(grace)
            except subprocess.TimeoutExpired:
                pass
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except (ProcessLookupError, PermissionError):
            pass
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            pass
    finally:
        _live.discard(proc)


def _run_bounded(argv, env, timeout, **kw):
    """Runs a command to its end in its own group; kills the group on timeout."""
    proc = _spawn(argv, env=env, stdin=subprocess.DEVNULL, **kw)
    try:
        return proc.wait(timeout)
    except subprocess.TimeoutExpired:
        raise HarnessError("%s did not finish within %ss" % (" ".join(argv), timeout))
    finally:
        kill_group(proc)


def wineserver_kill(prefix, timeout=15):
    env = wine_env(prefix)
    try:
        _run_bounded(["wineserver", "-k"], env, timeout,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        _run_bounded(["wineserver", "-w"], env, timeout,
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    except HarnessError:
        pass


@atexit.register
def _kill_leftovers():
    for proc in list(_live):
        kill_group(proc)
    for session in list(Session._open):
        session.close()


def _terminate(signum, frame):
    # A test runner catches SystemExit inside a test and goes on, so a
    # terminated run cleans up here and ends at once.
    for proc in list(_live):
        kill_group(proc)
    for session in list(Session._open):
        session.close()
    os._exit(128 + signum)


if signal.getsignal(signal.SIGTERM) in (signal.SIG_DFL, None):
    signal.signal(signal.SIGTERM, _terminate)


# ------------------------------------------------------------------- prefix

def _wine_version():
    try:
        return subprocess.run([WINE, "--version"], capture_output=True, text=True,
                              timeout=30).stdout.strip()
    except (OSError, subprocess.TimeoutExpired):
        return "unknown"


def prepare_prefix(prefix, timeout=300):
    """Creates the Wine prefix once; returns False when it was already there.

    A prefix without the stamp (an earlier run was interrupted) is made anew.
    """
    prefix = os.path.abspath(prefix)
    stamp = os.path.join(prefix, PREFIX_STAMP)
    version = _wine_version()
    try:
        with open(stamp, encoding="utf-8") as f:
            if f.read().strip() == PREFIX_RECIPE + version:
                return False
    except OSError:
        pass
    if os.path.exists(prefix):
        wineserver_kill(prefix)
        shutil.rmtree(prefix)
    os.makedirs(os.path.dirname(prefix), exist_ok=True)
    env = wine_env(prefix)
    deadline = time.monotonic() + timeout
    log = prefix + ".log"
    try:
        with open(log, "wb") as out:
            rc = _run_bounded([WINE, "wineboot", "-i"], env, timeout, stdout=out, stderr=out)
            if rc != 0:
                raise HarnessError("wineboot -i failed with %s, see %s" % (rc, log))
            # Without a window manager Wine waits two seconds for every window it
            # hides; unmanaged windows need no such wait.
            _run_bounded([WINE, "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed",
                          "/d", "N", "/f"], env, max(1.0, deadline - time.monotonic()), stdout=out, stderr=out)
            _run_bounded(["wineserver", "-w"], env, max(1.0, deadline - time.monotonic()),
                         stdout=out, stderr=out)
    except BaseException:
        wineserver_kill(prefix)
        raise
    if not os.path.isfile(os.path.join(prefix, "system.reg")):
        raise HarnessError("wineboot left no registry in %s, see %s" % (prefix, log))
    with open(stamp, "w", encoding="utf-8") as f:
        f.write(PREFIX_RECIPE + version + "\n")
    return True


# ------------------------------------------------------------------- display

def start_xvfb(log, timeout=20):
    """Starts Xvfb on a free display; returns (process, display number)."""
    r, w = os.pipe()
    try:
        proc = _spawn(["Xvfb", "-displayfd", str(w), "-screen", "0", "%dx%dx%d" % SCREEN,
                       "-nolisten", "tcp", "-noreset"],
                      pass_fds=(w,), stdin=subprocess.DEVNULL, stdout=log, stderr=log)
    finally:
        os.close(w)
    try:
        data = b""
        deadline = time.monotonic() + timeout
        while not data.endswith(b"\n"):
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([r], [], [], left)[0]:
                raise HarnessError("Xvfb reported no display within %ss" % timeout)
            chunk = os.read(r, 64)
            if not chunk:
                raise HarnessError("Xvfb ended before reporting a display")
            data += chunk
        return proc, int(data.strip())
    except BaseException:
        kill_group(proc)
        raise
    finally:
        os.close(r)


# -------------------------------------------------------------------- driver

class Driver:
    """vdriver.exe in serve mode: one JSON line back for every command line."""

    def __init__(self, exe, env, cwd, log):
        self.proc = _spawn([WINE, exe, "serve"], env=env, cwd=cwd, stdin=subprocess.PIPE,
                           stdout=subprocess.PIPE, stderr=log)
        self._buf = b""

    def call(self, line, timeout=30):
        if self.proc.poll() is not None:
            raise HarnessError("driver is not running (exit %s)" % self.proc.returncode)
        try:
            self.proc.stdin.write(line.encode("utf-8") + b"\n")
            self.proc.stdin.flush()
        except OSError as e:
            raise HarnessError("driver stdin: %s" % e)
        fd = self.proc.stdout.fileno()
        deadline = time.monotonic() + timeout
        while True:
            while b"\n" in self._buf:
                raw, self._buf = self._buf.split(b"\n", 1)
                raw = raw.strip()
                if raw.startswith(b"{"):  # anything else is Wine chatter
                    return json.loads(raw.decode("utf-8"))
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([fd], [], [], left)[0]:
                self.close()
                raise HarnessError("driver gave no answer to %r within %ss" % (line, timeout))
            chunk = os.read(fd, 65536)
            if not chunk:
                raise HarnessError("driver ended while answering %r" % line)
            self._buf += chunk

    def close(self):
        if self.proc.poll() is None:
            try:
                self.proc.stdin.write(b"quit\n")
                self.proc.stdin.flush()
                self.proc.wait(3)
            except (OSError, subprocess.TimeoutExpired):
                pass
        for f in (self.proc.stdin, self.proc.stdout):
            try:
                f.close()
            except OSError:
                pass
        kill_group(self.proc)


def _hwnd(value):
    return value if isinstance(value, str) else "0x%x" % value


# ------------------------------------------------------------------- session

class Program:
    """One started Vistelo.exe: its folder, Linux process and main window."""

    def __init__(self, folder, proc, log):
        self.folder = folder
        self.proc = proc
        self.log = log
        self.hwnd = None

    def path(self, name):
        return os.path.join(self.folder, name)

    def running(self):
        return self.proc.poll() is None


class Session:
    """Xvfb + Wine session with the driver running; programs come and go.

    Closing it ends the program, the driver, every Wine process of the prefix
    (`wineserver -k`) and Xvfb, and removes the temporary folder.
    """

    _open = set()

    def __init__(self, exe=None, driver=None, prefix=None):
        self.exe = exe or env_path("VISTELO_EXE")
        self.driver_exe = driver or env_path("VISTELO_DRIVER")
        self.prefix = prefix or env_path("VISTELO_WINEPREFIX")
        for path in (self.exe, self.driver_exe):
            if not os.path.isfile(path):
                raise HarnessError("missing %s" % path)
        if not os.path.isfile(os.path.join(self.prefix, PREFIX_STAMP)):
            raise HarnessError("Wine prefix %s is not prepared (run prepare_prefix.py)" % self.prefix)
        self.root = None
        self.xvfb = None
        self.display = None
        self.env = None
        self.driver = None
        self.program = None
        self._runs = 0
        self._metrics = None

    @classmethod
    def for_module(cls, **kw):
        """Opens a session for a whole test module (call it from setUpModule);
        it is closed after the module's last test."""
        import unittest
        session = cls(**kw)
        unittest.addModuleCleanup(session.close)
        return session.open()

    def __enter__(self):
        return self.open()

    def __exit__(self, *exc):
        self.close()
        return False

    def open(self):
        Session._open.add(self)
        try:
            self.root = tempfile.mkdtemp(prefix="vistelo-e2e-")
            self.logs = os.path.join(self.root, "logs")
            os.makedirs(self.logs)
            self._xlog = open(os.path.join(self.logs, "xvfb.log"), "wb")
            self.xvfb, self.display = start_xvfb(self._xlog)
            self.env = wine_env(self.prefix, self.display)
            self._dlog = open(os.path.join(self.logs, "driver.log"), "wb")
            self.driver = Driver(self.driver_exe, self.env, self.root, self._dlog)
            # The first Wine process brings up wineserver and the desktop;
            # wait for it so the program's start time stays short and even.
            self.call("metrics", timeout=120)
        except BaseException:
            self.close()
            raise
        return self

    def close(self):
        if self not in Session._open:
            return
        Session._open.discard(self)
        try:
            self.stop()
        finally:
            if self.driver is not None:
                self.driver.close()
                self.driver = None
            wineserver_kill(self.prefix)
            kill_group(self.xvfb)
            self.xvfb = None
            for name in ("_xlog", "_dlog"):
                f = getattr(self, name, None)
                if f is not None:
                    f.close()
            if self.root and os.environ.get("VISTELO_E2E_KEEP") != "1":
                shutil.rmtree(self.root, ignore_errors=True)

    # ---- driver access

    def call(self, line, timeout=30):
        """Runs one driver command; raises when it answers ok:false."""
        reply = self.driver.call(line, timeout)
        if not reply.get("ok"):
            raise HarnessError("driver: %s -> %s" % (line, reply))
        return reply

    def call_raw(self, line, timeout=30):
        """Runs one driver command and returns the reply as it is."""
        return self.driver.call(line, timeout)

    # ---- program lifetime

    def new_folder(self, files=None):
        """A fresh program folder holding a copy of the exe and `files`
        (name -> bytes or str written as UTF-8; a name ending in "/" makes a
        folder)."""
        self._runs += 1
        folder = os.path.join(self.root, "run%d" % self._runs, "program")
        os.makedirs(folder)
        shutil.copy2(self.exe, os.path.join(folder, os.path.basename(self.exe)))
        for name, content in (files or {}).items():
            target = os.path.join(folder, name)
            if name.endswith("/"):
                os.makedirs(target, exist_ok=True)
                continue
            os.makedirs(os.path.dirname(target), exist_ok=True)
            with open(target, "wb") as f:
                f.write(content.encode("utf-8") if isinstance(content, str) else content)
        return folder

    def start(self, args=(), files=None, cwd=None, folder=None, wait_window=True, timeout=30):
        """Starts the program from a fresh folder (or `folder`); waits for its
        main window unless told not to. Returns the Program."""
        if self.program is not None:
            self.stop()
        folder = folder or self.new_folder(files)
        exe = os.path.join(folder, os.path.basename(self.exe))
        log = os.path.join(os.path.dirname(folder), "program.log")
        with open(log, "wb") as out:
            proc = _spawn([WINE, exe] + list(args), env=self.env, cwd=cwd or folder,
                          stdin=subprocess.DEVNULL, stdout=out, stderr=out)
        self.program = Program(folder, proc, log)
        if wait_window:
            self.main_window(timeout)
        return self.program

    def stop(self):
        """Ends the current program, waiting until its windows are gone."""
        program, self.program = self.program, None
        if program is None:
            return
        kill_group(program.proc)
        if program.hwnd and self.driver is not None and self.driver.proc.poll() is None:
            try:
                self.driver.call("gone %s 5000" % program.hwnd, 10)
            except HarnessError:
                pass

    def _current(self):
        if self.program is None:
            raise HarnessError("no program started")
        return self.program

    def main_window(self, timeout=30, hidden=False):
        """Handle of the program's main window ("Vistelo", #32770)."""
        program = self._current()
        deadline = time.monotonic() + timeout
        while True:
            left = deadline - time.monotonic()
            step = max(1, min(int(left * 1000), 1000))
            reply = self.call("find %d %d %s" % (step, 1 if hidden else 0, MAIN_CAPTION), step / 1000 + 30)
            if reply["hwnd"]:
                program.hwnd = reply["hwnd"]
                return program.hwnd
            if not program.running():
                raise HarnessError("program ended (exit %s) before showing its window; log:\n%s"
                                   % (program.proc.returncode, self._tail(program.log)))
            if time.monotonic() >= deadline:
                raise HarnessError("no main window within %ss" % timeout)

    def _target(self, hwnd):
        return _hwnd(hwnd) if hwnd is not None else self._current().hwnd

    def info(self, hwnd=None):
        reply = self.call("info %s" % self._target(hwnd))
        for key in ("style", "exstyle"):
            reply[key] = int(reply[key], 16)
        return reply

    def post(self, msg, wparam=0, lparam=0, hwnd=None):
        self.call("post %s %d %d %d" % (self._target(hwnd), msg, wparam, lparam))

    def send(self, msg, wparam=0, lparam=0, hwnd=None, timeout_ms=5000):
        """SendMessageTimeout; returns the result, or None when the call
        failed (timed out, or the window went away while handling it)."""
        reply = self.call_raw("send %s %d %d %d %d" % (self._target(hwnd), msg, wparam, lparam, timeout_ms),
                              timeout_ms / 1000 + 30)
        return reply["result"] if reply.get("ok") else None

    def key(self, vk, mods="", hwnd=None):
        self.call("key %s %d %s" % (self._target(hwnd), vk, mods))

    def move(self, x, y, width=None, height=None, hwnd=None):
        size = "" if width is None else " %d %d" % (width, height)
        self.call("move %s %d %d%s" % (self._target(hwnd), x, y, size))

    def drag(self, x, y, width=None, height=None, hwnd=None):
        """Moves the window the way a user's drag does: inside the
        WM_ENTERSIZEMOVE / WM_EXITSIZEMOVE pair of the system's move loop."""
        if self.send(WM_ENTERSIZEMOVE, hwnd=hwnd) is None:
            raise HarnessError("WM_ENTERSIZEMOVE got no reply")
        try:
            self.move(x, y, width, height, hwnd)
        finally:
            self.send(WM_EXITSIZEMOVE, hwnd=hwnd)

    def sync(self, hwnd=None):
        """Returns once the window's thread has handled what was posted before."""
        return self.send(WM_NULL, hwnd=hwnd) is not None

    def window_gone(self, hwnd=None, timeout=10):
        return self.call("gone %s %d" % (self._target(hwnd), timeout * 1000), timeout + 30)["gone"]

    def dialog(self, timeout=5, owner=None, caption=""):
        """A visible dialog other than the main window, owned by `owner`
        (default: the main window; 0 for any owner) and/or with `caption`.
        Returns the driver reply (hwnd, caption, texts, buttons) or None."""
        program = self.program
        main = program.hwnd if program and program.hwnd else "0"
        own = main if owner is None else _hwnd(owner)
        reply = self.call("dialog %d %s %s %s" % (timeout * 1000, own, main, caption), timeout + 30)
        return reply if reply["hwnd"] else None

    def press(self, dialog_hwnd, button_id):
        self.call("press %s %d" % (_hwnd(dialog_hwnd), button_id))

    def status_texts(self, hwnd=None):
        """Texts of the status bar parts, or None without a status bar."""
        reply = self.call("status %s" % self._target(hwnd))
        return reply["parts"] if reply["hwnd"] else None

    def metrics(self):
        if self._metrics is None:
            self._metrics = self.call("metrics")
        return self._metrics

    def wait_exit(self, timeout=15):
        """Exit code of the program, or None if it is still running after timeout."""
        try:
            return self._current().proc.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def close_main(self, timeout=15):
        """Posts WM_CLOSE and waits for the process to end; returns its exit code."""
        self.post(WM_CLOSE)
        return self.wait_exit(timeout)

    # ---- files and pictures

    def path(self, name):
        return self._current().path(name)

    def exists(self, name):
        return os.path.lexists(self.path(name))

    def read_file(self, name):
        """Bytes of a file in the program folder, or None if there is none."""
        try:
            with open(self.path(name), "rb") as f:
                return f.read()
        except FileNotFoundError:
            return None

    def screenshot(self, path=None, timeout=20):
        """Saves the whole screen as PNG; returns the path."""
        if path is None:
            path = os.path.join(self.logs, "screen-%d.png" % time.monotonic_ns())
        rc = _run_bounded(["import", "-window", "root", "-display", ":%d" % self.display, path],
                          self.env, timeout, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if rc != 0 or not os.path.isfile(path):
            raise HarnessError("screenshot failed (%s)" % rc)
        return path

    @staticmethod
    def _tail(path, limit=4000):
        try:
            with open(path, "rb") as f:
                return f.read()[-limit:].decode("utf-8", "replace")
        except OSError:
            return ""
