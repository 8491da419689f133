// A library needs a source; the layer check looks only at what it links.
