"""Runs a command and, once it has ended, writes how to a file: "signal N" or
"exit N", then the time it ended (seconds since the epoch). Its process id goes
to <file>.pid as soon as it has started. A shell's $? cannot tell a death by a
signal from an exit with 128 plus its number; os.waitpid can."""
import os
import subprocess
import sys
import time

report, command = sys.argv[1], sys.argv[2:]
child = subprocess.Popen(command)
with open(report + ".pid", "w") as pid_file:
    pid_file.write(f"{child.pid}\n")
code = child.wait()
with open(report + ".tmp", "w") as out:
    out.write(f"{f'signal {-code}' if code < 0 else f'exit {code}'} {time.time():.6f}\n")
os.replace(report + ".tmp", report)  # whole, so a reader never sees half a line
