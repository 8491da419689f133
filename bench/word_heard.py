"""Times, from outside the program, each new image's word: a right answer's
click is sent through XTEST, the image appears at the first DAMAGE report
of the game window after it, and its word starts at the first loud sample
recorded from the sound server's null sink "e2e" (parec, stamped as it
arrives, so a time is never early). Before each click the sound is let fall
silent. The right placeholder is the one nearest in colour to the image.

usage: word_heard.py WINDOW ROUNDS PAUSE_MS IMAGE_X,IMAGE_Y X1,Y1 X2,Y2 ...
prints, per round, the ms from the image to its word and the word's pitch in Hz
(from its zero crossings: a pure tone gives its frequency)."""
import array, subprocess, sys, threading, time
from game_window import GameWindow, point

RATE, LOUD, QUIET = 44100, 3000, 200

game = GameWindow(sys.argv[1])
rounds, pause = int(sys.argv[2]), int(sys.argv[3]) / 1000
image = point(sys.argv[4])
places = [point(p) for p in sys.argv[5:]]

# The sink's sound, and the time its first sample was played: the earliest
# any arrival allows (each arrives after it was played).
recorder = subprocess.Popen(["parec", "-d", "e2e.monitor", "--format=s16le", "--channels=1", "--rate=%d" % RATE,
                             "--raw", "--latency-msec=10"], stdout=subprocess.PIPE)
sound, lock, start = bytearray(), threading.Lock(), [float("inf")]


def record():
    while True:
        chunk = recorder.stdout.read1(4096)
        if not chunk:
            return
        now = time.monotonic()
        with lock:
            sound.extend(chunk)
            start[0] = min(start[0], now - len(sound) // 2 / RATE)


threading.Thread(target=record, daemon=True).start()


def samples(first=0):
    """The samples from the first-th on, and how many there are in all."""
    with lock:
        count = len(sound) // 2
        return array.array("h", bytes(sound[2 * min(first, count):2 * count])), count


def wait(condition, timeout, what):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = condition()
        if found is not None:
            return found
        time.sleep(0.005)
    recorder.kill()
    sys.exit("%s within %d s" % (what, timeout))


def count():
    with lock:
        return len(sound) // 2


def quiet():
    s, n = samples(max(0, count() - RATE // 3))
    return True if n > RATE // 3 and max(map(abs, s)) < QUIET else None


def onset(after):
    """Looks, each time asked, at the samples not yet looked at for the first loud one from after on."""
    looked = [max(0, after)]

    def look():
        s, n = samples(looked[0])
        for i, v in enumerate(s):
            if abs(v) > LOUD:
                return looked[0] + i
        looked[0] = max(looked[0], n)
        return None
    return look


def pitch(at):
    wait(lambda: True if count() >= at + RATE // 8 else None, 5, "no sound after the word's start")
    part = samples(at + RATE // 50)[0][:RATE // 8 - RATE // 50]
    crossings = sum(1 for a, b in zip(part, part[1:]) if (a < 0) != (b < 0))
    return crossings / 2 / (len(part) / RATE)


wait(lambda: True if count() else None, 10, "nothing recorded")
for n in range(rounds):
    wait(quiet, 30, "the sound did not fall silent")
    time.sleep(pause)
    clicked = game.click_right(image, places)
    if not game.damaged(10):
        sys.exit("no new image was painted after click %d" % (n + 1))
    painted = time.monotonic()
    first = wait(onset(int((clicked - start[0]) * RATE)), 10, "no word heard after image %d" % (n + 1))
    heard = start[0] + first / RATE
    print("%.1f %.0f" % ((heard - painted) * 1000, pitch(first)), flush=True)
recorder.kill()
game.d.close()
