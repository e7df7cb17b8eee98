#!/usr/bin/env python3
"""Start-to-first-frame time and peak RSS of the settings window, against a
bare Qt Quick Controls 2 window (bench/barewindow) on the same platform in
the same run. Runs alternate between the two; a warm-up run of each fills
the QML disk cache first, as on a device that has started the window before.
The settings window builds its other pages and dialogs right after its
first frame: the time until all are built is reported too, and the peak RSS
is read once they are (for the bare window, as long after its first frame).
As on the appliance, the utility daemon (vh-utilityd) answers on the system
bus, here a private bus of the run.
Prints the median of each over RUNS runs and the ratios.

Usage: bench/window_startup.py [--build BUILD] [--runs N] [--platform offscreen|wayland|xcb]
                               [--callgrind] [--shared-contexts]
wayland runs both windows on a headless weston of the run's own, as on the
appliance's compositor; xcb needs a display (e.g. run the script under
xvfb-run). --callgrind counts instead the instructions of each window until
its first frame (all threads; valgrind's callgrind, one run each), which do
not drift with the machine's load as times do. --shared-contexts has the
bare window set Qt::AA_ShareOpenGLContexts too, as the settings program
must: Qt then makes an OpenGL context at start wherever the platform has
OpenGL (weston here), whatever renderer the window uses.
"""
import argparse
import os
import re
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def wait_for(process, text, seen, deadline):
    while text not in seen:
        ready, _, _ = select.select([process.stderr], [], [], max(deadline - time.monotonic(), 0))
        if not ready:
            raise RuntimeError(f"no {text!r} in time")
        chunk = os.read(process.stderr.fileno(), 65536)
        if not chunk:
            raise RuntimeError(f"exited before {text!r}:\n" + seen.decode(errors="replace"))
        seen += chunk
    return seen


def first_frame(command, env, all_built):
    """Milliseconds from start to the first frame and to everything built,
    and the peak RSS in MiB then."""
    start = time.monotonic()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    try:
        seen = wait_for(process, b"first frame", b"", start + 30)
        frame = (time.monotonic() - start) * 1000
        if all_built:
            wait_for(process, b"all pages built", seen, start + 30)
        else:
            time.sleep(0.5)
        built = (time.monotonic() - start) * 1000
        with open(f"/proc/{process.pid}/status") as status:
            hwm = next(int(line.split()[1]) for line in status if line.startswith("VmHWM:"))
        return frame, built, hwm / 1024
    finally:
        process.terminate()
        process.wait()


def instructions_to_first_frame(command, env, work):
    """Instructions executed until the first frame, counted by callgrind:
    its first dump is taken on entering frameSwapped."""
    out = os.path.join(work, f"callgrind.{len(os.listdir(work))}")
    process = subprocess.Popen(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                                "--dump-before=QQuickWindow::frameSwapped*"] + command,
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        wait_for(process, b"first frame", b"", time.monotonic() + 600)
    finally:
        process.terminate()
        process.wait()
    with open(out + ".1") as dump:
        return next(int(line.split()[1]) for line in dump if line.startswith(("summary:", "totals:")))


def start_utility_daemon(build, home):
    """A private bus with vh-utilityd on it, as the appliance's system bus;
    returns the processes and the bus address."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    device = os.path.join(home, "backlight", "panel")
    os.makedirs(device)
    for name, value in (("max_brightness", "255"), ("brightness", "128")):
        with open(os.path.join(device, name), "w") as file:
            file.write(value + "\n")
    daemon = subprocess.Popen([f"{build}/daemon/vh-utilityd", "--bus", address,
                               "--backlight-dir", os.path.dirname(device),
                               "--state-file", os.path.join(home, "utilityd.json")],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # Ready once a well-known name besides the bus's own is taken.
    deadline = time.monotonic() + 10
    while not any(name != "org.freedesktop.DBus" and not name.startswith(":")
                  for name in re.findall(r'string "([^"]+)"', subprocess.run(
                      ["dbus-send", f"--bus={address}", "--print-reply", "--dest=org.freedesktop.DBus",
                       "/", "org.freedesktop.DBus.ListNames"], capture_output=True, text=True).stdout)):
        if time.monotonic() > deadline:
            raise RuntimeError("vh-utilityd did not take its name")
        time.sleep(0.05)
    return [daemon, bus], address


def start_weston(home):
    """A headless weston of the run; returns the process and its socket name."""
    socket = "wayland-vh-bench"
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", f"--socket={socket}",
                               "--idle-time=0"],
                              env=dict(os.environ, XDG_RUNTIME_DIR=home),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.monotonic() + 10
    while not os.path.exists(os.path.join(home, socket)):
        if time.monotonic() > deadline or weston.poll() is not None:
            raise RuntimeError("weston did not start")
        time.sleep(0.05)
    return weston, socket


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--platform", default="offscreen")
    parser.add_argument("--callgrind", action="store_true")
    parser.add_argument("--shared-contexts", action="store_true")
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
        "CUPS_SERVER": f"{home}/no-cupsd.sock",
    })
    services, env["DBUS_SYSTEM_BUS_ADDRESS"] = start_utility_daemon(build, home)
    if args.platform == "wayland":
        weston, env["WAYLAND_DISPLAY"] = start_weston(home)
        services.insert(0, weston)
    # Neither platform has a GPU here: Qt Quick's software renderer.
    if args.platform in ("offscreen", "wayland"):
        env["QT_QUICK_BACKEND"] = "software"

    bare, full = "bare Controls 2 window", "settings window"
    programs = {
        bare: ([f"{build}/bench/vh-bench-barewindow"]
               + (["--shared-contexts"] if args.shared_contexts else []), False),
        full: ([f"{build}/app/VHSettings"], True),
    }
    try:
        if args.callgrind:
            counts = {}
            for name, (command, all_built) in programs.items():
                first_frame(command, env, all_built)  # fills the QML disk cache, as the timed runs'
                counts[name] = instructions_to_first_frame(command, env, tempfile.mkdtemp(dir=home))
            report_instructions(args.platform, counts, bare, full)
        else:
            report_times(args.platform, measure(programs, env, args.runs), bare, full)
    finally:
        for service in services:
            service.terminate()
            service.wait()
        shutil.rmtree(home, ignore_errors=True)
    return 0


def measure(programs, env, runs):
    """First frame, everything built and peak RSS of each program, runs
    taken alternately after a warm-up run of each."""
    results = {name: {"frame": [], "built": [], "rss": []} for name in programs}
    for command, all_built in programs.values():
        first_frame(command, env, all_built)
    for _ in range(runs):
        for name, (command, all_built) in programs.items():
            frame, built, peak = first_frame(command, env, all_built)
            results[name]["frame"].append(frame)
            results[name]["built"].append(built)
            results[name]["rss"].append(peak)
    return results


def spread(values, unit):
    return f"{statistics.median(values):7.1f} {unit} ({min(values):.1f}-{max(values):.1f})"


def report_times(platform, results, bare, full):
    """Medians with their ranges; the ratios of the medians, and the range of
    the ratios of the runs taken one after the other."""
    median = statistics.median
    runs = len(results[full]["frame"])
    print(f"platform {platform}, median (range) of {runs} runs")
    for name, result in results.items():
        print(f"  {name:24s} first frame {spread(result['frame'], 'ms')}   "
              f"peak RSS {spread(result['rss'], 'MiB')}")
    print(f"  {'':24s} every page built {spread(results[full]['built'], 'ms')}")
    for key, label in (("frame", "first frame"), ("rss", "peak RSS")):
        pairs = [f / b for f, b in zip(results[full][key], results[bare][key])]
        print(f"  ratio {label:18s} {median(results[full][key]) / median(results[bare][key]):5.2f}"
              f" (runs {min(pairs):.2f}-{max(pairs):.2f})")
    print(f"  every page built / bare first frame "
          f"{median(results[full]['built']) / median(results[bare]['frame']):.2f}")


def report_instructions(platform, counts, bare, full):
    print(f"platform {platform}, instructions to the first frame (callgrind)")
    for name, count in counts.items():
        print(f"  {name:24s} {count / 1e6:7.1f} M")
    print(f"  ratio                    {counts[full] / counts[bare]:7.2f}")


if __name__ == "__main__":
    sys.exit(main())
