"""Times, from outside the program, the scan's steps, a switch's select and
the pointer's dwell, for a game window of two placeholders. The window is
read pixel by pixel each time the X server reports it damaged (DAMAGE), and
every 20 ms besides; a change is timed when the read that sees it was sent.
The right placeholder is found by colour: the one whose centre is nearest in
colour to the image's centre. Each round's image differs from the last.

usage: access_timing.py scan|dwell WINDOW ROUNDS IMAGE_X,IMAGE_Y X1,Y1 X2,Y2 [FX1,FY1 FX2,FY2]

scan: FX,FY are a pixel of each placeholder's frame (its yellow outside,
beside the placeholder). The first round is only looked at; in each later
one, the image appearing until the frame's first move ("first"), each move
until the next ("step", about four per round), then Space sent 150 ms
after the frame reached the right symbol until the next image is on screen
("select").
dwell: the pointer off the symbols as the image appears, 400 ms of looking,
then moved onto the right symbol until the next image is on screen ("dwell").
Prints "NAME MS" per figure."""
import select, sys, time
from Xlib import X, XK
from Xlib.ext import xtest
from game_window import GameWindow, point

what = sys.argv[1]
game = GameWindow(sys.argv[2])
d = game.d
rounds = int(sys.argv[3])
image = point(sys.argv[4])
places = [point(p) for p in sys.argv[5:7]]
frames = [point(p) for p in sys.argv[7:9]]
space = d.keysym_to_keycode(XK.XK_space)


def yellow(c):  # the frame's (255, 214, 0)
    return c[0] > 200 and 170 < c[1] < 250 and c[2] < 80


def frame_colours():
    """Both frame pixels in one read, so a move cannot fall between them."""
    x0, y0 = min(f[0] for f in frames), min(f[1] for f in frames)
    w, h = max(f[0] for f in frames) - x0 + 1, max(f[1] for f in frames) - y0 + 1
    rows = game.pixels(x0, y0, w, h)
    return [rows[y - y0][x - x0] for x, y in frames]


def state():
    """The image's colour and the framed placeholder (None: no frame, or caught as it moves)."""
    framed = [i for i, c in enumerate(frame_colours()) if yellow(c)]
    return game.colour(*image), (framed[0] if len(framed) == 1 else None)


def change(test, timeout=8):
    """Waits until test(state()) holds: (when it was first seen, the state)."""
    end = time.monotonic() + timeout
    while True:
        game.forget_damage()  # re-armed before the read: no change falls between
        at = time.monotonic()
        now = state()
        if test(now):
            return at, now
        left = end - at
        if left <= 0:
            sys.exit("timed out waiting for the window to change (%s): image %s, frame on %s" % (what, *now))
        select.select([d.fileno()], [], [], min(left, 0.02))


def report(name, seconds):
    print("%s %.2f" % (name, seconds * 1000), flush=True)


if what == "scan":
    _, (shown, framed) = change(lambda s: s[1] is not None)
    t_image = None  # the first round's image appeared before the look
    for n in range(rounds + 1):
        right = game.right_place(shown, places)
        # The frame starts from the left with the image; moves are timed from there.
        last, (_, framed) = change(lambda s: s[1] == 0)
        if t_image is not None:
            last = t_image
        moves = 0
        # A few moves each round, then the right symbol selected before the scan pauses
        # (after three silent passes, six moves for two symbols).
        while not (framed == right and moves >= 3):
            # Its old place and its new one may reach the screen one after the other: the new place is the move.
            at, (_, framed) = change(lambda s, was=framed: s[1] not in (None, was))
            if n > 0:
                report("first" if moves == 0 else "step", at - last)
            last, moves = at, moves + 1
        time.sleep(0.15)
        game.window.set_input_focus(X.RevertToParent, X.CurrentTime)
        d.sync()
        start = time.monotonic()
        xtest.fake_input(d, X.KeyPress, space)
        xtest.fake_input(d, X.KeyRelease, space)
        d.flush()
        t_image, (shown, framed) = change(lambda s, was=shown: s[0] != was)
        if n > 0:
            report("select", t_image - start)
elif what == "dwell":
    off = (900, 100)  # in the window, over no symbol
    game.move(*off)
    shown = state()[0]
    for n in range(rounds):
        time.sleep(0.4)  # the learner looks at the round
        x, y = places[game.right_place(shown, places)]
        start = time.monotonic()
        game.move(x, y)
        at, (shown, _) = change(lambda s, was=shown: s[0] != was)
        game.move(*off)  # at once: the new round's dwell would start on the symbol under the pointer
        report("dwell", at - start)
else:
    sys.exit(__doc__)
d.close()
