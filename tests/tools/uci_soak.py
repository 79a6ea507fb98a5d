#!/usr/bin/env python3
"""Self-play soak: two quintavo-uci processes play whole games against each
other at depths 1 to 3, and the referee (the board model's rules) judges every
move. Each game opens with a few random legal moves (seeded by its number), so
the games differ. Fails on an illegal move, a missing, late or extra bestmove,
a null move while the game goes on, or an engine that dies.

usage: uci_soak.py QUINTAVO_UCI UCI_REFEREE [GAMES]
"""
import os
import random
import select
import subprocess
import sys
import time

MAX_PLIES = 300        # a game still going after this is called a draw
OPENING_PLIES = (2, 6)  # random moves before the engines take over
ANSWER_SECONDS = 60


class Failure(Exception):
    pass


class Process:
    def __init__(self, name, argv):
        self.name = name
        self.proc = subprocess.Popen(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                     text=True, bufsize=1)
        self.transcript = []
        # Read from the descriptor with a buffer of our own: a buffered
        # stream may hold lines that select() then no longer sees.
        self.pending = b""

    def send(self, line):
        self.transcript.append("> " + line)
        try:
            self.proc.stdin.write(line + "\n")
            self.proc.stdin.flush()
        except BrokenPipeError:
            raise Failure(f"{self.name} is gone (exit {self.proc.poll()})")

    def read(self):
        fd = self.proc.stdout.fileno()
        deadline = time.monotonic() + ANSWER_SECONDS
        while b"\n" not in self.pending:
            left = deadline - time.monotonic()
            ready, _, _ = select.select([fd], [], [], max(left, 0))
            if not ready:
                raise Failure(f"{self.name} gave no answer within {ANSWER_SECONDS} s")
            chunk = os.read(fd, 65536)
            if not chunk:
                raise Failure(f"{self.name} ended (exit {self.proc.wait()})")
            self.pending += chunk
        raw, self.pending = self.pending.split(b"\n", 1)
        line = raw.decode()
        self.transcript.append("< " + line)
        return line

    def read_until(self, prefix):
        """Lines up to and including the first that starts with prefix."""
        lines = []
        while True:
            line = self.read()
            lines.append(line)
            if line.startswith(prefix):
                return lines

    def close(self):
        try:
            self.send("quit")
        except Failure:
            pass
        try:
            status = self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            raise Failure(f"{self.name} did not end after quit")
        if status != 0:
            raise Failure(f"{self.name} exited with {status}")


def synchronise(engine):
    """isready must be answered, and nothing else may be waiting: a bestmove
    here would be a second answer to the last go."""
    engine.send("isready")
    for line in engine.read_until("readyok"):
        if line.startswith("bestmove"):
            raise Failure(f"{engine.name}: a second bestmove: {line}")


def play(number, engines, referee, results):
    rng = random.Random(number)
    depths = (1 + number % 3, 1 + (number // 3) % 3)
    referee.send("new")
    if referee.read() != "ok":
        raise Failure("the referee did not start a game")
    for engine in engines:
        engine.send("ucinewgame")
        synchronise(engine)
    moves = []
    state = "ongoing"
    opening = rng.randint(*OPENING_PLIES)
    while state == "ongoing" and len(moves) < MAX_PLIES:
        side = len(moves) % 2
        if len(moves) < opening:
            referee.send("legal")
            move = rng.choice(referee.read().split()[1:])
        else:
            engine = engines[side]
            position = "position startpos" + (" moves " + " ".join(moves) if moves else "")
            engine.send(position)
            engine.send(f"go depth {depths[side]}")
            move = engine.read_until("bestmove")[-1].split()[1]
            synchronise(engine)
            if move == "0000":
                raise Failure(f"{engine.name} answered 0000 in a game that goes on")
        referee.send("move " + move)
        verdict = referee.read()
        if not verdict.startswith("ok "):
            raise Failure(f"game {number}: {move} after {' '.join(moves) or 'the start'}: {verdict}")
        moves.append(move)
        state = verdict.split()[1]
    if state == "ongoing":
        state = "long"
    results[state] = results.get(state, 0) + 1
    return len(moves)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    uci, referee_path = sys.argv[1], sys.argv[2]
    games = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    engines = [Process("engine A", [uci]), Process("engine B", [uci])]
    referee = Process("referee", [referee_path])
    results = {}
    plies = 0
    start = time.monotonic()
    try:
        for engine in engines:
            engine.send("uci")
            engine.read_until("uciok")
        for number in range(games):
            # The engines change colours every game.
            order = engines if number % 2 == 0 else engines[::-1]
            plies += play(number, order, referee, results)
        for engine in engines:
            engine.close()
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr)
        for process in engines + [referee]:
            print(f"--- last lines of {process.name}:", file=sys.stderr)
            print("\n".join(process.transcript[-12:]), file=sys.stderr)
        for process in engines + [referee]:
            process.proc.kill()
        return 1
    referee.proc.stdin.close()
    referee.proc.wait()
    summary = ", ".join(f"{count} {state}" for state, count in sorted(results.items()))
    print(f"{games} games, {plies} plies in {time.monotonic() - start:.0f} s: {summary}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
