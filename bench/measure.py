#!/usr/bin/python3
"""Start-up, memory, idle CPU and tick latency of Horalia beside a minimal Qt window.

Run by bench/run.sh on a display of its own (no window manager, so the program's own
window is the first one mapped on the root window). Prints a Markdown table.
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
        f.write("quillmark\\hrl\\HRL\\TimeZones=" + ZONES + "\n")
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


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


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


def startup_and_memory(cmd, home):
    env = environment(home)
    times, rss = [], []
    for _ in range(RUNS):
        proc, ms = start(cmd, env)
        time.sleep(3)
        times.append(ms)
        rss.append(rss_kb(proc.pid))
        stop(proc)
    return statistics.median(times), statistics.median(rss) / 1024


def idle(cmd, home):
    proc, _ = start(cmd, environment(home))
    time.sleep(3)
    hz = os.sysconf("SC_CLK_TCK")
    c0, w0, t0 = cpu_ticks(proc.pid), wakeups(proc.pid), time.monotonic()
    time.sleep(IDLE_SECONDS)
    c1, w1, t1 = cpu_ticks(proc.pid), wakeups(proc.pid), time.monotonic()
    stop(proc)
    return 100.0 * (c1 - c0) / hz / (t1 - t0), (w1 - w0) / (t1 - t0)


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


def main():
    with tempfile.TemporaryDirectory() as home:
        h_start, h_rss = startup_and_memory(HORALIA, home)
        m_start, m_rss = startup_and_memory(MINIMAL, home)
        h_cpu, h_wake = idle(HORALIA, home)
        m_cpu, m_wake = idle(MINIMAL, home)
        med, p99, n = tick_latency(HORALIA, home)
    print("| figure | Horalia | minimal Qt window | budget |")
    print("|---|---|---|---|")
    print(f"| start to first mapped window (median of {RUNS}) | {h_start:.0f} ms | {m_start:.0f} ms | within 1.5x: {1.5 * m_start:.0f} ms |")
    print(f"| resident memory after start (median of {RUNS}) | {h_rss:.1f} MB | {m_rss:.1f} MB | within 1.3x: {1.3 * m_rss:.1f} MB |")
    print(f"| idle CPU over {IDLE_SECONDS} s, 12 clocks with seconds | {h_cpu:.3f} % | {m_cpu:.3f} % | under 0.2 % |")
    print(f"| wake-ups per second (context switches, all threads) | {h_wake:.1f} | {m_wake:.1f} | one a second from our code |")
    print(f"| time label written after the whole second ({n} seconds) | median {med:.1f} ms, p99 {p99:.1f} ms | | p99 within 10 ms |")


if __name__ == "__main__":
    main()
