"""Times, from outside the program, a right answer's click until the game
window shows the next round: the click is sent through XTEST, and the time
ends at the first DAMAGE report of the window after it (the new round's
pictures reaching the X server). The right placeholder is found by colour:
the one whose centre is nearest in colour to the image's centre.

usage: click_to_paint.py WINDOW ROUNDS PAUSE_MS IMAGE_X,IMAGE_Y X1,Y1 X2,Y2 ...
prints one time in milliseconds per round."""
import select, sys, time
from Xlib import X, display
from Xlib.ext import damage, xtest

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1], 0))
rounds, pause = int(sys.argv[2]), int(sys.argv[3]) / 1000
image = tuple(map(int, sys.argv[4].split(",")))
places = [tuple(map(int, p.split(","))) for p in sys.argv[5:]]
root = d.screen().root
d.damage_query_version()  # the extension answers nothing before it
watch = window.damage_create(damage.DamageReportNonEmpty)


def colour(x, y):
    raw = window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data
    return raw[2], raw[1], raw[0]  # 24-bit TrueColor, BGRX


def distance(a, b):
    return sum((p - q) ** 2 for p, q in zip(a, b))


def damaged(timeout):
    end = time.monotonic() + timeout
    while True:
        while d.pending_events():
            if d.next_event().type == d.extension_event.DamageNotify:
                return True
        left = end - time.monotonic()
        if left <= 0 or not select.select([d.fileno()], [], [], left)[0]:
            return False


for n in range(rounds):
    time.sleep(pause)  # the learner looks at the round
    shown = colour(*image)
    x, y = min(places, key=lambda p: distance(colour(*p), shown))
    at = root.translate_coords(window, x, y)
    xtest.fake_input(d, X.MotionNotify, x=at.x, y=at.y)
    d.sync()
    d.damage_subtract(watch)
    d.sync()
    while d.pending_events():
        d.next_event()
    start = time.monotonic()
    xtest.fake_input(d, X.ButtonPress, 1)
    xtest.fake_input(d, X.ButtonRelease, 1)
    d.flush()
    if not damaged(10):
        sys.exit("no new round was painted after click %d" % (n + 1))
    print("%.2f" % ((time.monotonic() - start) * 1000), flush=True)
d.close()
