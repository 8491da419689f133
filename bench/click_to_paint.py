"""Times, from outside the program, a right answer's click until the game
window shows the next round: the click is sent through XTEST, and the time
ends at the first DAMAGE report of the window after it (the new round's
pictures reaching the X server). The right placeholder is found by colour:
the one whose centre is nearest in colour to the image's centre.

usage: click_to_paint.py WINDOW ROUNDS PAUSE_MS IMAGE_X,IMAGE_Y X1,Y1 X2,Y2 ...
prints one time in milliseconds per round."""
import sys, time
from game_window import GameWindow, point

game = GameWindow(sys.argv[1])
rounds, pause = int(sys.argv[2]), int(sys.argv[3]) / 1000
image = point(sys.argv[4])
places = [point(p) for p in sys.argv[5:]]

for n in range(rounds):
    time.sleep(pause)  # the learner looks at the round
    start = game.click_right(image, places)
    if not game.damaged(10):
        sys.exit("no new round was painted after click %d" % (n + 1))
    print("%.2f" % ((time.monotonic() - start) * 1000), flush=True)
game.d.close()
