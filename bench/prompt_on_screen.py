"""Times, from outside the program, a prompt reaching the screen after its
round's image: after each right answer, the window is read pixel by pixel
until the image's centre shows a new round, then until the other placeholder
is dimmed (pale: its weakest channel above 150 over the light background).

usage: prompt_on_screen.py WINDOW ROUNDS IMAGE_X,IMAGE_Y X1,Y1 X2,Y2
prints "image-to-prompt-ms" per round."""
import sys, time
from game_window import GameWindow, distance, point

game = GameWindow(sys.argv[1])
colour = game.colour
rounds = int(sys.argv[2])
image = point(sys.argv[3])
places = [point(p) for p in sys.argv[4:]]


def until(test, timeout=10):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if test():
            return time.monotonic()
    sys.exit("timed out")


for n in range(rounds):
    time.sleep(0.4)
    shown = colour(*image)
    game.click_right(image, places)
    t_image = until(lambda: colour(*image) != shown)
    new = colour(*image)
    other = max(places, key=lambda p: distance(colour(*p), new))
    t_prompt = until(lambda: min(colour(*other)) > 150)
    print("%.2f" % ((t_prompt - t_image) * 1000), flush=True)
game.d.close()
