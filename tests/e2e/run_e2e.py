#!/usr/bin/env python3
"""The real terminal (offscreen) against the real simulator on pseudo-terminals.

usage: run_e2e.py SHORTMSG MODEMSIM EXPECTED_DIALOGUE

Starts the simulator with a port map of its own, then the terminal pointed at it through
XDG_CONFIG_HOME, with "SBM Enabled" kept from an earlier run, "GPS Enable" checked and
"Quit" pressed after a few seconds. A short burst message waits at the gateway meanwhile
and rings. Checks
that both end by themselves, that no process is left over, and that the modem received
what the dialogue table says.
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

TERMINAL_SECONDS = 11
BOUND_SECONDS = 40


def read_table(path):
    first, then = [], []
    with open(path, encoding="utf-8") as table:
        for line in table:
            line = line.rstrip("\n")
            if line.startswith("= "):
                first.append(line[2:])
            elif line.startswith("> "):
                then.append(line[2:])
    return first, then


def matches(pattern, line):
    if pattern.endswith("*"):
        head = pattern[:-1]
        # "*" inside the pattern: each part in order.
        parts = head.split("*")
        at = 0
        for i, part in enumerate(parts):
            found = line.find(part, at) if i else (0 if line.startswith(part) else -1)
            if found < 0:
                return False
            at = found + len(part)
        return True
    return pattern == line


def check_dialogue(received, first, then):
    problems = []
    if received[: len(first)] != first:
        problems.append("start-up received %r, expected %r" % (received[: len(first)], first))
    at = len(first)
    for pattern in then:
        while at < len(received) and not matches(pattern, received[at]):
            at += 1
        if at == len(received):
            problems.append("never received (in order): %s" % pattern)
            break
        at += 1
    return problems


def wait_for(predicate, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if predicate():
            return True
        time.sleep(0.05)
    return predicate()


def stop(process, name, problems):
    """Ends a process that is still running (and says so); reaps it either way."""
    if process.poll() is None:
        problems.append("%s had to be stopped" % name)
        os.killpg(process.pid, signal.SIGKILL)
    process.wait(timeout=10)


def gone(pid):
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return True
    return False


def main():
    shortmsg, modemsim, table = sys.argv[1:4]
    first, then = read_table(table)
    problems = []
    with tempfile.TemporaryDirectory(prefix="shortmsg-e2e-") as work:
        config = os.path.join(work, "config")
        ports = os.path.join(config, "shortmsg", "ports")
        runtime = os.path.join(work, "runtime")
        os.makedirs(runtime, mode=0o700)
        os.makedirs(os.path.join(config, "shortmsg"))
        with open(os.path.join(config, "shortmsg", "settings.ini"), "w") as settings:
            settings.write("[options]\nSBM_Enabled=true\n")
        sim_log_path = os.path.join(work, "modemsim.log")
        app_log_path = os.path.join(work, "shortmsg.log")
        with open(sim_log_path, "w") as sim_log, open(app_log_path, "w") as app_log:
            sim = subprocess.Popen(
                [modemsim, "--ports", ports, "--first", "1", "--every", "3", "--mail", "6",
                 "--seconds", str(BOUND_SECONDS)],
                stdin=subprocess.DEVNULL, stdout=sim_log, stderr=subprocess.STDOUT,
                start_new_session=True)
            app = None
            try:
                if not wait_for(lambda: os.path.islink(os.path.join(ports, "COM3")), 10):
                    problems.append("the simulator made no ports")
                else:
                    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=config,
                               XDG_DATA_HOME=os.path.join(work, "data"),
                               XDG_RUNTIME_DIR=runtime)
                    env.pop("DISPLAY", None)
                    app = subprocess.Popen(
                        [shortmsg, "--demo-check-gps", "--quit-after", str(TERMINAL_SECONDS)],
                        env=env, stdin=subprocess.DEVNULL, stdout=app_log,
                        stderr=subprocess.STDOUT, start_new_session=True)
                    try:
                        code = app.wait(timeout=TERMINAL_SECONDS + 15)
                        if code != 0:
                            problems.append("shortmsg ended with status %d" % code)
                    except subprocess.TimeoutExpired:
                        problems.append("shortmsg did not quit by itself")
                sim.send_signal(signal.SIGTERM)
                try:
                    if sim.wait(timeout=10) != 0:
                        problems.append("the simulator ended with status %d" % sim.returncode)
                except subprocess.TimeoutExpired:
                    problems.append("the simulator did not stop on SIGTERM")
            finally:
                if app is not None:
                    stop(app, "shortmsg", problems)
                stop(sim, "the simulator", problems)
        for process, name in ((app, "shortmsg"), (sim, "the simulator")):
            if process is not None and not gone(process.pid):
                problems.append("%s is still running" % name)
        for link in ("COM1", "COM3"):
            if os.path.lexists(os.path.join(ports, link)):
                problems.append("the simulator left %s behind" % link)

        with open(sim_log_path, encoding="latin-1") as sim_log:
            log = sim_log.read().splitlines()
        received = [line[len("modem <- "):] for line in log if line.startswith("modem <- ")]
        problems += check_dialogue(received, first, then)
        if problems:
            print("\n".join(["FAILED:"] + problems + ["", "--- simulator log ---"] + log))
            with open(app_log_path, encoding="latin-1") as app_log:
                print("--- shortmsg output ---\n" + app_log.read())
            return 1
    print("ok: %d modem lines received, the dialogue as expected" % len(received))
    return 0


if __name__ == "__main__":
    sys.exit(main())
