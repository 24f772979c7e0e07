#!/usr/bin/python3
"""Start-up, memory, idle CPU and tick latency of Horalia beside a yardstick window.

The yardstick is a minimal Qt window that sets 12 labels to the time once a second. The two
are measured side by side, so that whatever else loads the machine loads both alike: their
starts alternate, and they idle at the same time over the same interval.

Run by bench/run.sh on a display of its own with a tray but no window manager, so the program's
own window is the first one mapped on the root window. Prints a Markdown table.
"""
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

HORALIA, MINIMAL = sys.argv[1], sys.argv[2]
RUNS = int(os.environ.get("BENCH_RUNS", "9"))
IDLE_SECONDS = int(os.environ.get("BENCH_IDLE_SECONDS", "60"))
ZONES = ";".join(["America/New_York", "Europe/London", "Asia/Tokyo", "Australia/Sydney", "Asia/Kolkata",
                  "Europe/Berlin", "America/Los_Angeles", "Asia/Kathmandu", "Africa/Cairo", "America/Sao_Paulo",
                  "Pacific/Auckland", "Asia/Shanghai"])


def environment(home):
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config", LANG="en_US.UTF-8", TZ="America/New_York")
    os.makedirs(home + "/.config/Quillmark", exist_ok=True)
    with open(home + "/.config/Quillmark/Horalia.ini", "w") as f:
        f.write("[com]\n")
        # Quoted, as the program writes it: a bare ";" starts a comment.
        f.write("quillmark\\hrl\\HRL\\TimeZones=\"" + ZONES + "\"\n")
        f.write("quillmark\\hrl\\HRL\\TimePattern=HH:mm:ss\n")
    return env


def start(cmd, env):
    """Starts cmd and returns (process, ms until its first window is mapped)."""
    d = display.Display()
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    t0 = time.monotonic()
    proc = subprocess.Popen([cmd], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while True:
        ev = d.next_event()
        if ev.type == X.MapNotify:
            ms = (time.monotonic() - t0) * 1000
            break
    d.close()
    return proc, ms


def rss_kb(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


def cpu_seconds(pid, threads=None):
    """CPU time of all live threads (or of the given ones), in nanosecond resolution (the tick
    counts of /proc/PID/stat are 10 ms, too coarse for a program that works a millisecond a second)."""
    total = 0
    for tid in threads or os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/schedstat") as f:
                total += int(f.read().split()[0])
        except FileNotFoundError:
            pass
    return total / 1e9


def wakeups(pid):
    total = 0
    for tid in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{tid}/status") as f:
            for line in f:
                if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                    total += int(line.split()[1])
    return total


def stop(proc):
    proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()


def startup_and_memory(cmds, home):
    """Median start time and resident memory of each command; the starts alternate, in turns
    that swap which goes first."""
    env = environment(home)
    times = {cmd: [] for cmd in cmds}
    rss = {cmd: [] for cmd in cmds}
    for run in range(RUNS):
        for cmd in (cmds if run % 2 == 0 else cmds[::-1]):
            proc, ms = start(cmd, env)
            time.sleep(3)
            times[cmd].append(ms)
            rss[cmd].append(rss_kb(proc.pid))
            stop(proc)
    return {cmd: (statistics.median(times[cmd]), statistics.median(rss[cmd]) / 1024) for cmd in cmds}


def idle(cmds, home):
    """Share of a core (all threads, and the GUI thread alone) and context switches per second of
    each command, all running at once."""
    procs = [start(cmd, environment(home))[0] for cmd in cmds]
    time.sleep(3)
    c0 = [cpu_seconds(p.pid) for p in procs]
    g0 = [cpu_seconds(p.pid, [str(p.pid)]) for p in procs]
    w0 = [wakeups(p.pid) for p in procs]
    t0 = time.monotonic()
    time.sleep(IDLE_SECONDS)
    c1 = [cpu_seconds(p.pid) for p in procs]
    g1 = [cpu_seconds(p.pid, [str(p.pid)]) for p in procs]
    w1 = [wakeups(p.pid) for p in procs]
    t1 = time.monotonic()
    for p in procs:
        stop(p)
    share = lambda a, b: 100.0 * (b - a) / (t1 - t0)
    return {cmd: (share(c0[i], c1[i]), share(g0[i], g1[i]), (w1[i] - w0[i]) / (t1 - t0)) for i, cmd in enumerate(cmds)}


def tick_latency(cmd, home, seconds=30):
    """ms after each whole second of the first X11 write of the process (strace -ttt)."""
    proc, _ = start(cmd, environment(home))
    time.sleep(2)
    out = tempfile.mktemp()
    tracer = subprocess.Popen(["strace", "-f", "-ttt", "-e", "trace=writev,sendmsg", "-o", out, "-p", str(proc.pid)],
                              stderr=subprocess.DEVNULL)
    time.sleep(seconds)
    tracer.terminate()
    tracer.wait()
    stop(proc)
    firsts = {}
    with open(out) as f:
        for line in f:
            m = re.match(r"\d+\s+(\d+)\.(\d+)\s+(writev|sendmsg)", line)
            if m:
                sec, frac = int(m.group(1)), int(m.group(2)[:6].ljust(6, "0"))
                firsts.setdefault(sec, frac / 1000.0)
    os.unlink(out)
    late = sorted(firsts.values())[1:] if len(firsts) > 2 else sorted(firsts.values())
    if not late:
        return float("nan"), float("nan"), 0
    p99 = late[min(len(late) - 1, int(round(0.99 * (len(late) - 1))))]
    return statistics.median(late), p99, len(late)


def verdict(ok):
    return "met" if ok else "MISSED"


def main():
    with tempfile.TemporaryDirectory() as home:
        started = startup_and_memory([HORALIA, MINIMAL], home)
        idled = idle([HORALIA, MINIMAL], home)
        med, p99, n = tick_latency(HORALIA, home)
    (h_start, h_rss), (m_start, m_rss) = started[HORALIA], started[MINIMAL]
    (h_cpu, h_gui, h_wake), (m_cpu, m_gui, m_wake) = idled[HORALIA], idled[MINIMAL]
    cpu_bound = min(2 * m_cpu, 0.2)
    print("| figure | Horalia | yardstick: 12 labels, plain QTimer | target |")
    print("|---|---|---|---|")
    print(f"| start to first mapped window (median of {RUNS}) | {h_start:.0f} ms | {m_start:.0f} ms "
          f"| within 1.2x: {1.2 * m_start:.0f} ms, {verdict(h_start <= 1.2 * m_start)} |")
    print(f"| resident memory after start (median of {RUNS}) | {h_rss:.1f} MB | {m_rss:.1f} MB "
          f"| within 1.3x: {1.3 * m_rss:.1f} MB, {verdict(h_rss <= 1.3 * m_rss)} |")
    print(f"| idle CPU over {IDLE_SECONDS} s, 12 clocks with seconds, both at once | {h_cpu:.3f} % | {m_cpu:.3f} % "
          f"| within 2x and under 0.2 %: {cpu_bound:.3f} %, {verdict(h_cpu <= cpu_bound)} |")
    print(f"| of it the GUI thread, where the clocks are updated and painted | {h_gui:.3f} % | {m_gui:.3f} % | |")
    print(f"| wake-ups per second (context switches, all threads) | {h_wake:.1f} | {m_wake:.1f} | |")
    print(f"| time label written after the whole second ({n} seconds) | median {med:.1f} ms, p99 {p99:.1f} ms "
          f"| not aligned to the second | p99 within 5 ms, {verdict(p99 <= 5)} |")


if __name__ == "__main__":
    main()
