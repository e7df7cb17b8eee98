#!/usr/bin/env python3
"""Builds the Debian package from the build tree and checks it: every file
the program needs at its installed place, nothing of the build tree or the
tests, a dependency for every Qt module the documents import, no run path,
and the unpacked program lists the same keys as the built one.

Arguments: build directory, source directory, the built VHSettings.
"""

import glob
import os
import re
import subprocess
import sys
import tempfile

BUILD_DIR, SOURCE_DIR, BUILT_PROGRAM = sys.argv[1:4]
ARCH = subprocess.run(["dpkg", "--print-architecture"], capture_output=True, text=True,
                      check=True).stdout.strip()
MULTIARCH = subprocess.run(["dpkg-architecture", "-qDEB_HOST_MULTIARCH"], capture_output=True,
                           text=True, check=True).stdout.strip()
LIBDIR = f"/usr/lib/{MULTIARCH}"
QT_QML_DIR = f"{LIBDIR}/qt5/qml"

# What the program looks for by name at run time, beside what the build tree
# lays out under qml/ and translations/.
REQUIRED = {
    "/usr/bin/VHSettings",
    "/usr/sbin/vh-utilityd",
    f"{LIBDIR}/libVHSettings.so.3",
    f"{LIBDIR}/libVHSettingsProgram.so",
    f"{LIBDIR}/libVHSettingsWindow.so",
    f"{LIBDIR}/libCupsSupportScheduler.so",
    "/etc/fonts/conf.d/60-varnholt-airvesk.conf",
    "/usr/share/dbus-1/system.d/com.varnholt.VHUtilityd.conf",
    "/usr/share/dbus-1/system-services/com.varnholt.VHUtilityd.service",
    "/usr/lib/systemd/system/vh-utilityd.service",
    "/usr/share/dbus-1/interfaces/local.VHUtilityd.UtilityDaemon.xml",
}
FORBIDDEN = re.compile(r"tst_|/tests?/|bench|test-homes|CMakeFiles|_autogen|\.a$|"
                       r"vh-screenshots|vh-socketflood|usersconfig_writer")

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, check=True, **kwargs).stdout


def is_elf(path):
    with open(path, "rb") as file:
        return file.read(4) == b"\x7fELF"


def qt_imports():
    """Qt module name and major version of every import in our documents."""
    found = set()
    pattern = re.compile(r"^\s*import\s+(Qt[\w.]*)\s+(\d+)\.", re.MULTILINE)
    for top in ("app", "qml-plugin", "outside"):
        for path in glob.glob(os.path.join(SOURCE_DIR, top, "**", "*.qml"), recursive=True):
            with open(path, encoding="utf-8") as qml:
                found.update(pattern.findall(qml.read()))
    return found


def module_package(name, major):
    """The Debian package that ships a Qt QML module, None if none does."""
    parts = name.split(".")
    for candidate in (f"{'/'.join(parts)}.{major}", "/".join(parts)):
        qmldir = f"{QT_QML_DIR}/{candidate}/qmldir"
        if os.path.exists(qmldir):
            return run(["dpkg", "-S", qmldir]).split(":")[0]
    return None


with tempfile.TemporaryDirectory() as work:
    run(["cpack", "-G", "DEB", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"), "-B", work])
    debs = glob.glob(os.path.join(work, "*.deb"))
    check(len(debs) == 1, f"one package expected, cpack made {debs}")
    deb = debs[0]

    # The file list.
    files = {line.split(None, 5)[-1].lstrip(".").split(" -> ")[0]
             for line in run(["dpkg-deb", "-c", deb]).splitlines()}
    for path in sorted(REQUIRED - files):
        check(False, f"missing from the package: {path}")
    qml_root = os.path.join(BUILD_DIR, "qml")
    for folder, _, names in os.walk(qml_root):
        for name in names:
            installed = "/usr/lib/" + os.path.relpath(os.path.join(folder, name), qml_root)
            check(installed in files, f"QML module file missing from the package: {installed}")
    for qm in glob.glob(os.path.join(BUILD_DIR, "translations", "*.qm")):
        installed = "/usr/share/data/Varnholt/translations/" + os.path.basename(qm)
        check(installed in files, f"translation missing from the package: {installed}")
    for path in sorted(files):
        check(not FORBIDDEN.search(path), f"test or build-tree file in the package: {path}")

    # Dependencies: the libraries, and every Qt module a document imports.
    control = run(["dpkg-deb", "-f", deb, "Depends", "Architecture"])
    depends = {re.split(r"[\s(]", alternative.strip())[0]
               for item in control.split("\n", 1)[0].split(":", 1)[1].split(",")
               for alternative in item.split("|")}
    check(f"Architecture: {ARCH}" in control, f"not an {ARCH} package: {control}")
    check("libqt5core5a" in depends, f"no library dependencies found: {sorted(depends)}")
    for name, major in sorted(qt_imports()):
        if name == "QtQml":  # built into libQt5Qml
            continue
        package = module_package(name, major)
        check(package in depends, f"the documents import {name} {major} but {package} is no dependency")

    # The unpacked files: nothing points into the build tree, no ELF file has
    # a run path, and the program runs on the package's own libraries.
    root = os.path.join(work, "root")
    run(["dpkg-deb", "-x", deb, root])
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            if os.path.islink(path):
                continue
            with open(path, "rb") as file:
                data = file.read()
            check(BUILD_DIR.encode() not in data and SOURCE_DIR.encode() not in data,
                  f"names the build or source tree: {os.path.relpath(path, root)}")
            if is_elf(path):
                dynamic = run(["readelf", "-d", path])
                check("RPATH" not in dynamic and "RUNPATH" not in dynamic,
                      f"has a run path: {os.path.relpath(path, root)}")

    # The executable links the C library alone (every library it linked would
    # be searched first by each symbol lookup of the window's libraries) and
    # loads the program's module, which links the settings core.
    needed = re.findall(r"\(NEEDED\).*\[(.*)\]", run(["readelf", "-d", os.path.join(root, "usr/bin/VHSettings")]))
    check(needed == ["libc.so.6"], f"VHSettings links more than the C library: {needed}")
    # The executable loads the program's module, which links the settings core.
    program = os.path.join(root, "usr/bin/VHSettings")
    environment = dict(os.environ, LD_LIBRARY_PATH=root + LIBDIR)
    linked = run(["ldd", f"{root}{LIBDIR}/libVHSettingsProgram.so"], env=environment)
    check(f"{root}{LIBDIR}/libVHSettings.so.3" in linked,
          f"the unpacked program does not use the package's libVHSettings:\n{linked}")
    unpacked = subprocess.run([program, "-l"], capture_output=True, text=True, env=environment)
    built = subprocess.run([BUILT_PROGRAM, "-l"], capture_output=True, text=True)
    check(unpacked.returncode == 0, f"VHSettings -l from the package failed: {unpacked.stderr}")
    check(unpacked.stdout == built.stdout and unpacked.stdout,
          "VHSettings -l from the package differs from the built program's:\n" + unpacked.stdout)

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
