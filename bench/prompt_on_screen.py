"""Times, from outside the program, a prompt reaching the screen after its
round's image: after each right answer, the window is read pixel by pixel
until the image's centre shows a new round, then until the other placeholder
is dimmed (pale: its weakest channel above 150 over the light background).

usage: prompt_on_screen.py WINDOW ROUNDS IMAGE_X,IMAGE_Y X1,Y1 X2,Y2
prints "image-to-prompt-ms" per round."""
import sys, time
from Xlib import X, display
from Xlib.ext import xtest

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[1], 0))
rounds = int(sys.argv[2])
image = tuple(map(int, sys.argv[3].split(",")))
places = [tuple(map(int, p.split(","))) for p in sys.argv[4:]]
root = d.screen().root


def colour(x, y):
    raw = window.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF).data
    return raw[2], raw[1], raw[0]


def distance(a, b):
    return sum((p - q) ** 2 for p, q in zip(a, b))


def until(test, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if test():
            return time.monotonic()
    sys.exit("timed out")


for n in range(rounds):
    time.sleep(0.4)
    shown = colour(*image)
    right = min(places, key=lambda p: distance(colour(*p), shown))
    at = root.translate_coords(window, *right)
    xtest.fake_input(d, X.MotionNotify, x=at.x, y=at.y)
    xtest.fake_input(d, X.ButtonPress, 1)
    xtest.fake_input(d, X.ButtonRelease, 1)
    d.flush()
    t_image = until(lambda: colour(*image) != shown)
    new = colour(*image)
    other = max(places, key=lambda p: distance(colour(*p), new))
    t_prompt = until(lambda: min(colour(*other)) > 150)
    print("%.2f" % ((t_prompt - t_image) * 1000), flush=True)
d.close()
