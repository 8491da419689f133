"""The game window as the timing scripts see it from outside the program:
its pixels, its DAMAGE reports, and the pointer and clicks sent through
XTEST. The right placeholder is the one whose centre is nearest in colour
to the image's centre."""
import select, time
from Xlib import X, display
from Xlib.ext import damage, xtest


def point(text):
    """"X,Y" as given on a command line."""
    return tuple(map(int, text.split(",")))


def distance(a, b):
    return sum((p - q) ** 2 for p, q in zip(a, b))


class GameWindow:
    def __init__(self, window_id):
        self.d = display.Display()
        self.window = self.d.create_resource_object("window", int(window_id, 0))
        self.root = self.d.screen().root
        self.d.damage_query_version()  # the extension answers nothing before it
        self.watch = self.window.damage_create(damage.DamageReportNonEmpty)

    def pixels(self, x, y, w, h):
        """The rectangle's pixels as (r, g, b) rows, in one read."""
        raw = self.window.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF).data
        return [[(raw[i + 2], raw[i + 1], raw[i]) for i in range(4 * w * r, 4 * w * (r + 1), 4)]
                for r in range(h)]  # 24-bit TrueColor, BGRX

    def colour(self, x, y):
        return self.pixels(x, y, 1, 1)[0][0]

    def right_place(self, shown, places):
        """The index of the placeholder that belongs to an image of colour shown."""
        return min(range(len(places)), key=lambda i: distance(self.colour(*places[i]), shown))

    def move(self, x, y):
        at = self.root.translate_coords(self.window, x, y)
        xtest.fake_input(self.d, X.MotionNotify, x=at.x, y=at.y)
        self.d.flush()

    def forget_damage(self):
        """Re-arms the damage report and drops the reports so far: a change after it is reported."""
        self.d.damage_subtract(self.watch)
        self.d.sync()
        while self.d.pending_events():
            self.d.next_event()

    def damaged(self, timeout):
        """Whether the window was damaged within timeout seconds."""
        end = time.monotonic() + timeout
        while True:
            while self.d.pending_events():
                if self.d.next_event().type == self.d.extension_event.DamageNotify:
                    return True
            left = end - time.monotonic()
            if left <= 0 or not select.select([self.d.fileno()], [], [], left)[0]:
                return False

    def click_right(self, image, places):
        """Points at the image's own placeholder, forgets the damage so far
        and clicks: the time of the click."""
        self.move(*places[self.right_place(self.colour(*image), places)])
        self.d.sync()
        self.forget_damage()
        clicked = time.monotonic()
        xtest.fake_input(self.d, X.ButtonPress, 1)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.flush()
        return clicked
