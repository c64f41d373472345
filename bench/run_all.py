#!/usr/bin/python3
"""Runs every Lumivo benchmark and prints each figure beside its baseline, with the ratio of the
medians and the target. All figures of a run come from the same run on the same machine.

  bench/run_all.py [--build DIR] [--repetitions N] [--runs N] [--memory-runs N] [--no-build]

In-process figures: bench/lumivo_bench (Google Benchmark; repetitions interleaved at random, so
that a burst of load from elsewhere falls on both sides of a figure). Whole-process figures: the
real program and a minimal Qt program on a virtual X display (Xvfb); time until the first input
box is mapped, and peak memory (VmHWM) once a 201-question picture test is loaded.
"""

import argparse
import contextlib
import json
import os
import platform
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)
TARGETS = ["lumivo", "lumivo_bench", "minimal_inputbox", "minimal_inputbox_curl", "first_window",
           "bench_sample_tree"]

# (figure, routine, baseline, target ratio) for the in-process benchmarks.
IN_PROCESS = [
    ("reading a 201-question web test into fields", "Fields_Read", "Fields_MemchrScan", 3.0),
    ("LaddaTestFilWebb from a loopback HTTP server", "WebFetch_LaddaTestFilWebb",
     "WebFetch_BareCurl", 1.3),
    ("VäxlaFråga, text question, nested run included", "Presenter_VaxlaFraga",
     "Presenter_DirectSet", 1.5),
    ("picture question, 4000 x 3000 JPEG not yet shown", "Picture_Question",
     "Picture_ReaderAlone", 1.2),
    ("AVSLUTA up to both files written (scoring included)", "Finishing_Avsluta",
     "Finishing_PlainWrite", 3.0),
    ("SPARAREDIGERATPROV (2,011 lines)", "SaveTest_SPARAREDIGERATPROV", "SaveTest_PlainWrite",
     3.0),
]
# Rows that explain a figure: a part of the routine, or another limit, beside the same baseline.
CONTEXT = [
    ("  floor: one QString per field, offsets known", "Fields_QStringsFloor",
     "Fields_MemchrScan"),
    ("  part: List4 emptied and given the 2,011 fields", "WebFetch_List4Items",
     "WebFetch_BareCurl"),
    ("  AVSLUTA beside plain write + fdatasync", "Finishing_Avsluta",
     "Finishing_PlainWriteSynced"),
    ("  SPARAREDIGERATPROV beside plain write + fdatasync", "SaveTest_SPARAREDIGERATPROV",
     "SaveTest_PlainWriteSynced"),
]

MAIN_TITLE_START = "Lumivo   ver 8.0"


def log(*args):
    print(*args, file=sys.stderr, flush=True)


def build(build_dir):
    started = time.monotonic()
    if not os.path.exists(os.path.join(build_dir, "build.ninja")):
        subprocess.run(["cmake", "-S", SOURCE, "-B", build_dir, "-G", "Ninja", "-DLUMIVO_BENCH=ON",
                        "-DCMAKE_BUILD_TYPE=Release", "-DLUMIVO_TESTS=OFF"], check=True,
                       stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", build_dir, "-j2", "--target", *TARGETS], check=True,
                   stdout=subprocess.DEVNULL)
    return time.monotonic() - started


# --- in-process figures ---

def run_in_process(build_dir, repetitions):
    out = subprocess.run(
        [os.path.join(build_dir, "bench", "lumivo_bench"), "--benchmark_format=json",
         f"--benchmark_repetitions={repetitions}", "--benchmark_enable_random_interleaving=true",
         "--benchmark_min_time=0.1"],
        check=True, capture_output=True, text=True,
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    report = json.loads(out)
    wall, cpu = {}, {}
    for b in report["benchmarks"]:
        if b.get("error_occurred"):
            raise RuntimeError(f"{b['name']}: {b.get('error_message')}")
        if b.get("run_type") == "iteration":
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
            name = b["run_name"].split("/")[0]  # without "/min_time:..."
            wall.setdefault(name, []).append(b["real_time"] * scale)
            cpu.setdefault(name, []).append(b["cpu_time"] * scale)
    return ({name: statistics.median(values) for name, values in wall.items()},
            {name: statistics.median(values) for name, values in cpu.items()})


# --- whole-process figures ---

# The end-to-end tests' display (Xvfb on a number of its own, no reset between programs) and
# static web server, with the display's environment kept as a plain dict here.
sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))
from lumivo_e2e import Display as _E2eDisplay, WebServer  # noqa: E402


class Display(_E2eDisplay):
    def __init__(self):
        super().__init__()
        self.env = _E2eDisplay.env(self)


def time_to_box(display, build_dir, command):
    """Milliseconds from the start of a program until its window "NAMN" is mapped, and the CPU
    milliseconds the program had used by then."""
    run = subprocess.run([os.path.join(build_dir, "bench", "first_window"), "--timeout", "60",
                          "NAMN", *command], env=display.env, capture_output=True, text=True)
    if run.returncode != 0:
        raise RuntimeError(f"{command[0]}: {run.stderr.strip()}")
    ms, _, cpu = run.stdout.split()
    return float(ms), float(cpu)


def xdo(display, *args, check=True):
    return subprocess.run(["xdotool", *args], env=display.env, capture_output=True, text=True,
                          check=check).stdout


def wait_window(display, proc, title_regex, timeout=60.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if proc.poll() is not None:
            raise RuntimeError(f"the program ended early (code {proc.returncode})")
        found = xdo(display, "search", "--onlyvisible", "--name", title_regex, check=False).split()
        if found:
            return found[-1]
        time.sleep(0.05)
    raise RuntimeError(f"no window titled {title_regex!r} in time")


def answer_box(display, proc, title_regex, text):
    window = wait_window(display, proc, title_regex)
    xdo(display, "windowfocus", "--sync", window, check=False)
    xdo(display, "type", "--delay", "10", text)
    xdo(display, "key", "Return")


def client_origin(display, window):
    """The top-left corner of the main window's client area on screen: below the menu bar,
    where the window's background colour #000040 begins."""
    geometry = dict(line.split("=", 1) for line in
                    xdo(display, "getwindowgeometry", "--shell", window).split() if "=" in line)
    x, y = int(geometry["X"]), int(geometry["Y"])
    ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "-crop", f"1x80+{x + 4}+{y}", "ppm:-"],
                         env=display.env, check=True, capture_output=True).stdout
    pixels = ppm[-80 * 3:]  # a one-pixel wide column, 8-bit RGB at the end of the file
    for row in range(80):
        if pixels[row * 3:row * 3 + 3] == bytes([0x00, 0x00, 0x40]):
            return x, y + row
    raise RuntimeError("could not find the main window's client area")


def click(display, origin, left_twips, top_twips):
    x, y = origin[0] + round(left_twips / 15), origin[1] + round(top_twips / 15)
    xdo(display, "mousemove", "--sync", str(x), str(y))
    xdo(display, "click", "1")


def peak_memory_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM")


def stop(proc):
    if proc.poll() is None:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(proc.pid, signal.SIGTERM)
        try:
            proc.wait(5)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()


def lumivo_loaded_memory(display, build_dir, server, workdir):
    """Signs in, picks the 201-question picture test, loads it; VmHWM once its first question
    and picture are on screen."""
    proc = subprocess.Popen([os.path.join(build_dir, "src", "lumivo"), "--server", server,
                             "--workdir", workdir], env=display.env, cwd=workdir,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            start_new_session=True)
    try:
        answer_box(display, proc, "^NAMN$", "Elev")
        answer_box(display, proc, "^KLASS\\?$", "7A")
        main = wait_window(display, proc, "^" + MAIN_TITLE_START)
        for attempt in range(3):  # a click that came before the window took it is repeated
            time.sleep(1.0)
            origin = client_origin(display, main)
            click(display, origin, 9960 + 600, 3240 + 150)   # List1's first entry: bild201.tst
            time.sleep(0.5)
            click(display, origin, 9960 + 1000, 2880 + 187)  # "Ladda Test"
            with contextlib.suppress(RuntimeError):
                wait_window(display, proc, "^BILD$", timeout=10)  # the first question's picture
                break
        else:
            raise RuntimeError("the picture test did not load")
        time.sleep(1.5)  # the start picture's second, and the painting after it
        return peak_memory_kb(proc.pid)
    finally:
        stop(proc)


def minimal_memory(display, build_dir, name):
    with tempfile.TemporaryFile("w+") as errors:
        proc = subprocess.Popen([os.path.join(build_dir, "bench", name)], env=display.env,
                                stdout=subprocess.DEVNULL, stderr=errors,
                                start_new_session=True)
        try:
            wait_window(display, proc, "^NAMN$")
            time.sleep(1.5)
            return peak_memory_kb(proc.pid)
        except RuntimeError as e:
            errors.seek(0)
            raise RuntimeError(f"{name}: {e}: {errors.read()[-2000:]}") from e
        finally:
            stop(proc)


PROGRAMS = ("lumivo", "minimal", "minimal_curl")


def run_whole_process(build_dir, runs, memory_runs):
    """Medians for each program: milliseconds to the first box, CPU milliseconds used by then,
    and peak memory in KiB (lumivo with the picture test loaded, the others at their box)."""
    display = Display()
    tree = tempfile.mkdtemp(prefix="lumivo-bench-")
    server = None
    try:
        subprocess.run([os.path.join(build_dir, "bench", "bench_sample_tree"), tree], check=True)
        server = WebServer(tree)
        starts = {name: [] for name in PROGRAMS}
        cpu = {name: [] for name in PROGRAMS}
        for i in range(runs + 1):  # the first of each warms the caches and is not counted
            for name in PROGRAMS:
                if name == "lumivo":
                    command = [os.path.join(build_dir, "src", "lumivo"), "--server",
                               server.address, "--workdir", tempfile.mkdtemp(dir=tree)]
                else:
                    command = [os.path.join(build_dir, "bench", name.replace(
                        "minimal", "minimal_inputbox"))]
                ms, cpu_ms = time_to_box(display, build_dir, command)
                if i > 0:
                    starts[name].append(ms)
                    cpu[name].append(cpu_ms)
        memory = {name: [] for name in PROGRAMS}
        for _ in range(memory_runs):
            memory["lumivo"].append(lumivo_loaded_memory(display, build_dir, server.address,
                                                         tempfile.mkdtemp(dir=tree)))
            memory["minimal"].append(minimal_memory(display, build_dir, "minimal_inputbox"))
            memory["minimal_curl"].append(minimal_memory(display, build_dir,
                                                         "minimal_inputbox_curl"))

        def medians(d):
            return {k: statistics.median(v) for k, v in d.items()}
        return medians(starts), medians(cpu), medians(memory)
    finally:
        if server:
            server.close()
        display.close()
        shutil.rmtree(tree, ignore_errors=True)


# --- the table ---

def human_time(seconds):
    for unit, scale in (("s", 1), ("ms", 1e-3), ("µs", 1e-6)):
        if seconds >= scale:
            return f"{seconds / scale:.3g} {unit}"
    return f"{seconds / 1e-9:.3g} ns"


def machine():
    cpu = "?"
    with contextlib.suppress(OSError), open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    qt = subprocess.run(["pkg-config", "--modversion", "Qt6Core"], capture_output=True,
                        text=True).stdout.strip()
    return (f"{platform.node()}: {os.cpu_count()} × {cpu}, Linux {platform.release()}, "
            f"Qt {qt}, load average {os.getloadavg()[0]:.1f} at the start")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(SOURCE, "build-bench"))
    parser.add_argument("--repetitions", type=int, default=11)
    parser.add_argument("--runs", type=int, default=21, help="starts of each program")
    parser.add_argument("--memory-runs", type=int, default=3)
    parser.add_argument("--no-build", action="store_true")
    args = parser.parse_args()

    began = time.monotonic()
    header = machine()
    build_seconds = None if args.no_build else build(args.build)
    log("in-process benchmarks ...")
    medians, cpu_medians = run_in_process(args.build, args.repetitions)
    log("whole-process runs ...")
    starts, start_cpu, memory = run_whole_process(args.build, args.runs, args.memory_runs)

    rows = []
    for figure, routine, baseline, target in IN_PROCESS:
        rows.append((figure, human_time(medians[routine]), human_time(medians[baseline]),
                     medians[routine] / medians[baseline],
                     cpu_medians[routine] / cpu_medians[baseline], target))
    rows.append(("start until the first sign-in box is on screen (Xvfb)",
                 f"{starts['lumivo']:.0f} ms", f"{starts['minimal']:.0f} ms",
                 starts["lumivo"] / starts["minimal"], start_cpu["lumivo"] / start_cpu["minimal"],
                 1.2))
    rows.append(("peak memory, 201-question picture test loaded",
                 f"{memory['lumivo'] / 1024:.1f} MiB", f"{memory['minimal'] / 1024:.1f} MiB",
                 memory["lumivo"] / memory["minimal"], None, 1.5))

    print(f"- Machine: {header}")
    print(f"- Medians of {args.repetitions} interleaved repetitions (in process), "
          f"{args.runs} starts and {args.memory_runs} loads of each program (whole process).")
    print("- Ratio: of the wall-clock medians, what the user waits for. CPU-time ratio: of the CPU "
          "time the measuring thread (in process) or all the program's threads (start) used.")
    print()
    print("| figure | routine | baseline | ratio | target | met | CPU-time ratio |")
    print("|---|---:|---:|---:|---:|:---:|---:|")
    for figure, routine, baseline, ratio, cpu_ratio, target in rows:
        met = "yes" if ratio <= target else "**no**"
        cpu_text = "" if cpu_ratio is None else f"{cpu_ratio:.2f}"
        print(f"| {figure} | {routine} | {baseline} | {ratio:.2f} | ≤ {target:g} | {met} | "
              f"{cpu_text} |")
    print()
    print("| context | measured | beside | ratio |")
    print("|---|---:|---:|---:|")
    for label, part, baseline in CONTEXT:
        print(f"| {label.strip()} | {human_time(medians[part])} | {human_time(medians[baseline])} "
              f"| {medians[part] / medians[baseline]:.2f} |")
    for label, a, b, values, unit in (
            ("start: minimal program with libcurl started", "minimal_curl", "minimal", starts,
             "ms"),
            ("start: lumivo beside the minimal program with libcurl", "lumivo", "minimal_curl",
             starts, "ms"),
            ("peak memory: minimal program with libcurl started", "minimal_curl", "minimal",
             memory, "MiB"),
            ("peak memory: lumivo beside the minimal program with libcurl", "lumivo",
             "minimal_curl", memory, "MiB")):
        scale = 1024 if unit == "MiB" else 1
        print(f"| {label} | {values[a] / scale:.1f} {unit} | {values[b] / scale:.1f} {unit} | "
              f"{values[a] / values[b]:.2f} |")
    print()
    built = "" if build_seconds is None else f"build {build_seconds:.0f} s, "
    print(f"Took {built}{time.monotonic() - began:.0f} s in all.")


if __name__ == "__main__":
    main()
