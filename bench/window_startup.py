#!/usr/bin/env python3
"""Start-to-first-frame time and peak RSS of the settings window, against a
bare Qt Quick Controls 2 window (bench/barewindow) on the same platform in
the same run. Runs alternate between the two; a warm-up run of each fills
the QML disk cache first, as on a device that has started the window before.
Prints the median of each over RUNS runs and the ratio.

Usage: bench/window_startup.py [--build BUILD] [--runs N] [--platform offscreen|xcb]
(xcb needs a display, e.g. run the script under xvfb-run.)
"""
import argparse
import os
import select
import statistics
import subprocess
import sys
import tempfile
import time


def first_frame(command, env):
    """Milliseconds from start to the first frame, and peak RSS in MiB then."""
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    seen = b""
    try:
        while b"first frame" not in seen:
            left = start + 30 - time.monotonic()
            ready, _, _ = select.select([process.stderr], [], [], max(left, 0))
            if not ready:
                raise RuntimeError("no first frame within 30 s")
            chunk = os.read(process.stderr.fileno(), 65536)
            if not chunk:
                raise RuntimeError("exited before its first frame:\n" + seen.decode(errors="replace"))
            seen += chunk
        elapsed = (time.monotonic() - start) * 1000
        with open(f"/proc/{process.pid}/status") as status:
            hwm = next(int(line.split()[1]) for line in status if line.startswith("VmHWM:"))
        return elapsed, hwm / 1024
    finally:
        process.terminate()
        process.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--platform", default="offscreen")
    args = parser.parse_args()
    build = os.path.abspath(args.build)

    home = tempfile.mkdtemp(prefix="vh-bench-")
    os.chmod(home, 0o700)
    env = dict(os.environ)
    env.update({
        "HOME": home, "XDG_CONFIG_HOME": f"{home}/.config", "XDG_DATA_HOME": f"{home}/.local/share",
        "XDG_CACHE_HOME": f"{home}/.cache", "XDG_RUNTIME_DIR": home, "TMPDIR": home,
        "QT_QPA_PLATFORM": args.platform, "QT_LOGGING_RULES": "vh.startup.debug=true",
        "QML2_IMPORT_PATH": f"{build}/qml", "FONTCONFIG_FILE": f"{build}/fontconfig/fonts.conf",
        "DBUS_SYSTEM_BUS_ADDRESS": f"unix:path={home}/no-bus", "CUPS_SERVER": f"{home}/no-cupsd.sock",
    })
    if args.platform == "offscreen":
        env["QT_QUICK_BACKEND"] = "software"

    programs = {
        "bare Controls 2 window": [f"{build}/bench/vh-bench-barewindow"],
        "settings window": [f"{build}/app/VHSettings"],
    }
    times = {name: [] for name in programs}
    rss = {name: [] for name in programs}
    for name, command in programs.items():
        first_frame(command, env)
    for _ in range(args.runs):
        for name, command in programs.items():
            elapsed, peak = first_frame(command, env)
            times[name].append(elapsed)
            rss[name].append(peak)

    print(f"platform {args.platform}, median of {args.runs} runs")
    for name in programs:
        print(f"  {name:24s} first frame {statistics.median(times[name]):7.1f} ms"
              f"   peak RSS {statistics.median(rss[name]):6.1f} MiB")
    bare, full = "bare Controls 2 window", "settings window"
    print(f"  ratio                    first frame {statistics.median(times[full]) / statistics.median(times[bare]):7.2f}"
          f"      peak RSS {statistics.median(rss[full]) / statistics.median(rss[bare]):6.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
