"""Where the controls of the main window are, from the window description (TDifonik.ui).

Each control's geometry there is relative to its parent; the sum along the chain of parents
gives its place in the client area, the widget "ClientArea" under the menu bar. The program
scales the whole layout when the window font is taller than at 96 dots per inch, so the real
window's size gives the factor and the height of the menu bar above the client area.
"""

import xml.etree.ElementTree as ElementTree

from x_display import Failure

CLIENT_WIDTH = 951
CLIENT_HEIGHT = 694


def _geometry(widget):
    rect = widget.find("./property[@name='geometry']/rect")
    if rect is None:
        return None
    return tuple(int(rect.find(side).text) for side in ("x", "y", "width", "height"))


def _control_rects(widget, left, top, rects):
    for child in widget.findall("./widget"):
        geometry = _geometry(child)
        if geometry is None:
            continue
        x, y, width, height = geometry
        rects[child.get("name")] = (left + x, top + y, width, height)
        _control_rects(child, left + x, top + y, rects)


def control_rects(ui_path):
    """Every control's (left, top, width, height) in the client area at 96 dots per inch."""
    client = ElementTree.parse(ui_path).getroot().find(".//widget[@name='ClientArea']")
    if client is None:
        raise Failure(f"{ui_path} holds no ClientArea")
    rects = {}
    _control_rects(client, 0, 0, rects)
    return rects


class WindowLayout:
    """Click points of the controls, relative to the top-left corner of the real window."""

    def __init__(self, ui_path, window_width, window_height):
        self._rects = control_rects(ui_path)
        self.scale = window_width / CLIENT_WIDTH
        self.menu_height = window_height - round(CLIENT_HEIGHT * self.scale)
        if not 10 <= self.menu_height <= 80:
            raise Failure(f"a window of {window_width} x {window_height} does not hold the "
                          f"{CLIENT_WIDTH} x {CLIENT_HEIGHT} client area under a menu bar")

    def centre(self, name):
        left, top, width, height = self._rects[name]
        return (round((left + width / 2) * self.scale),
                self.menu_height + round((top + height / 2) * self.scale))
