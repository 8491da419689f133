"""Messages a window manager sends to a window. `close WINDOW`: the close
box's WM_DELETE_WINDOW. `sync WINDOW`: two _NET_WM_PING round trips, so that
everything the program was sent before has been handled (and what it drew
has reached the server). Each message is confirmed by a round trip: a client
that closes its connection at once may have its last requests dropped."""
import sys, time
from Xlib import X, display, protocol

d = display.Display()
window = d.create_resource_object("window", int(sys.argv[2], 0))
protocols = d.intern_atom("WM_PROTOCOLS")

def send(atom, token):
    event = protocol.event.ClientMessage(window=window, client_type=protocols, data=(32, [atom, token, window.id, 0, 0]))
    window.send_event(event, event_mask=X.NoEventMask)
    d.sync()

def answered(ping, token):
    end = time.time() + 30
    while time.time() < end:
        while d.pending_events():
            e = d.next_event()
            if e.type == X.ClientMessage and list(e.data[1][:2]) == [ping, token]: return True
        time.sleep(0.01)
    return False

if sys.argv[1] == "close":
    send(d.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime)
else:
    d.screen().root.change_attributes(event_mask=X.StructureNotifyMask)
    ping = d.intern_atom("_NET_WM_PING")
    for token in (1, 2):
        send(ping, token)
        if not answered(ping, token): sys.exit("the program did not answer a ping")
d.close()
