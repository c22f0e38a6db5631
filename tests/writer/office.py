"""What both drivers share: a soffice with the extension's profile, reached over a socket,
and one vnd.pelvaron: command run into a new document with the script and log files the
extension reads (PELVARON_WRITER_SCRIPT, PELVARON_WRITER_LOG) and a data folder of the
test's choosing (PELVARON_WRITER_DATA, a symlink the cases repoint).
"""
import os
import subprocess
import sys
import time

import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException


class Office:
    def __init__(self, work, prefix, headless=True, env=None):
        self.work = work
        self.data, self.script, self.log = (os.path.join(work, n) for n in ("data", "script.txt", "messages.log"))
        self.packs = os.path.join(work, "packs")
        port = 20000 + os.getpid() % 20000
        env = dict(os.environ, PELVARON_WRITER_DATA=self.data, PELVARON_WRITER_SCRIPT=self.script,
                   PELVARON_WRITER_LOG=self.log, HOME=work, **(env or {}))
        mode = ["--headless", "--invisible"] if headless else []
        self.process = subprocess.Popen(prefix + ["soffice", *mode, "--norestore", "--nologo",
                                                  "-env:UserInstallation=file://" + work + "/profile",
                                                  "--accept=socket,host=127.0.0.1,port=%d;urp;" % port], env=env)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
        for _ in range(120):
            try:
                self.ctx = resolver.resolve("uno:socket,host=127.0.0.1,port=%d;urp;StarOffice.ComponentContext" % port)
                break
            except NoConnectException:
                time.sleep(0.5)
        else:
            self.process.kill()
            sys.exit("office: soffice did not answer")
        smgr = self.ctx.ServiceManager
        self.desktop = smgr.createInstanceWithContext("com.sun.star.frame.Desktop", self.ctx)
        self.dispatcher = smgr.createInstanceWithContext("com.sun.star.frame.DispatchHelper", self.ctx)

    def use_pack(self, name):
        if os.path.lexists(self.data):
            os.remove(self.data)
        os.symlink(os.path.join(self.packs, name), self.data)

    def new_document(self, hidden=False):
        return self.desktop.loadComponentFromURL("private:factory/swriter", "_blank", 0,
                                                 (prop("Hidden", True),) if hidden else ())

    def dispatch(self, doc, command, script=""):
        """Runs vnd.pelvaron:COMMAND in doc's frame; the lines logged and the seconds it took."""
        with open(self.script, "w") as f:
            f.write(script)
        open(self.log, "w").close()
        started = time.monotonic()
        self.dispatcher.executeDispatch(doc.CurrentController.Frame, "vnd.pelvaron:" + command, "", 0, ())
        seconds = time.monotonic() - started
        with open(self.log) as f:
            return f.read().splitlines(), seconds

    def resident_kib(self):
        """soffice.bin's resident memory (VmRSS) in KiB: the process with this profile."""
        profile = "UserInstallation=file://" + self.work + "/profile"
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as f:
                    args = f.read().split(b"\0")
                if not args[0].endswith(b"soffice.bin") or not any(profile.encode() in a for a in args):
                    continue
                with open("/proc/%s/status" % pid) as f:
                    return next(int(line.split()[1]) for line in f if line.startswith("VmRSS:"))
            except (OSError, StopIteration):
                continue
        raise RuntimeError("office: no soffice.bin with this profile")

    def has_font(self, name):
        device = self.ctx.ServiceManager.createInstanceWithContext("com.sun.star.awt.Toolkit", self.ctx) \
            .createScreenCompatibleDevice(1, 1)
        return any(font.Name == name for font in device.getFontDescriptors())

    def close(self):
        # Documents closed unsaved first: a modified one would ask whether to save.
        components = self.desktop.Components.createEnumeration()
        while components.hasMoreElements():
            component = components.nextElement()
            try:
                component.close(True)
            except Exception:
                pass  # one already closing with another
        try:
            self.desktop.terminate()
        except Exception:
            pass  # the bridge goes down with soffice
        try:
            self.process.wait(timeout=60)
        except subprocess.TimeoutExpired:
            self.process.kill()
            sys.exit("office: soffice did not end")


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p
