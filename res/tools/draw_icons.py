#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the program's icons as 32 x 32 SVG files into res/icons/.

Each icon is drawn at full size and clipped by its control, so every
picture sits where its control shows it; the comment above each drawing
names the visible rows. Straight edges lie on whole pixels (fills on
integer coordinates, 1-px strokes on half pixels) so that the icons stay
crisp at device pixel ratios 1 and 2.

Run from the repository root: python3 res/tools/draw_icons.py
"""

from pathlib import Path

ICON_DIR = Path(__file__).resolve().parent.parent / "icons"

HEADER = ('<svg xmlns="http://www.w3.org/2000/svg" version="1.2" '
          'baseProfile="tiny" width="32" height="32" viewBox="0 0 32 32">\n')


def write_icon(number, title, body):
    text = HEADER + f"  <title>{title}</title>\n" + body + "</svg>\n"
    (ICON_DIR / f"icon{number}.svg").write_text(text)


def rect(x, y, width, height, fill, extra=""):
    return (f'  <rect x="{x}" y="{y}" width="{width}" height="{height}" '
            f'fill="{fill}"{extra}/>\n')


def framed_rect(x, y, width, height, fill, outline):
    """A rectangle covering pixels x..x+width-1, y..y+height-1 with a 1-px outline."""
    return (f'  <rect x="{x + 0.5}" y="{y + 0.5}" width="{width - 1}" '
            f'height="{height - 1}" fill="{fill}" stroke="{outline}" stroke-width="1"/>\n')


def path(d, fill="none", stroke="none", width=1, join="round", cap="round"):
    return (f'  <path d="{d}" fill="{fill}" stroke="{stroke}" stroke-width="{width}" '
            f'stroke-linejoin="{join}" stroke-linecap="{cap}"/>\n')


def pixels(points, fill):
    return "".join(rect(x, y, 1, 1, fill) for x, y in points)


# Umbrella ---------------------------------------------------------------

def umbrella(left, top, canopy, rib, shaft, outline=None, scale=1):
    """An umbrella 13 px wide and 10 px tall (scale 1) with its canopy's
    left end at `left` and its tip at `top`. The shaft is the column
    left + 6."""
    s = scale
    width = 13 * s
    cx = left + width / 2
    base = top + 5 * s
    third = width / 3
    # Canopy: a half ellipse whose lower edge is cut into three scallops.
    d = (f"M{left},{base} A{width / 2},{5 * s} 0 0 1 {left + width},{base} "
         f"Q{left + width - third / 2},{base - 1.6 * s} {left + width - third},{base} "
         f"Q{cx},{base - 1.6 * s} {left + third},{base} "
         f"Q{left + third / 2},{base - 1.6 * s} {left},{base} Z")
    out = ""
    stroke = outline or "none"
    out += path(d, fill=canopy, stroke=stroke, width=1)
    # Two ribs from the tip to the scallop points.
    out += path(f"M{cx},{top + 0.8} L{left + third},{base - 0.3} "
                f"M{cx},{top + 0.8} L{left + width - third},{base - 0.3}",
                stroke=rib, width=0.9)
    # Shaft and hook, pixel aligned.
    col = left + 6 * s
    out += rect(col, base, s, 4 * s, shaft)
    out += rect(col - 2 * s, base + 4 * s, 3 * s, s, shaft)
    out += rect(col - 2 * s, base + 3 * s, s, s, shaft)
    return out


def draw_umbrellas():
    # Calendar marks: about 13 x 10 in the top-left corner, beside a day number.
    # 139: the warning sign on the selected (dark blue) day cell.
    write_icon(139, "Warning umbrella",
               umbrella(0, 0, canopy="#00ffff", rib="#008080", shaft="#c0ffff"))
    # 159 and 160 sit on light cells, so they carry a dark outline.
    write_icon(159, "First mark umbrella",
               umbrella(0, 0, canopy="#20c020", rib="#006000", shaft="#004000",
                        outline="#004000"))
    write_icon(160, "Second mark umbrella",
               umbrella(0, 0, canopy="#ff40ff", rib="#800080", shaft="#500050",
                        outline="#600060"))
    # 164: the remembered warning on a light cell.
    write_icon(164, "Saved warning umbrella",
               umbrella(0, 0, canopy="#00ffff", rib="#008080", shaft="#000060",
                        outline="#000060"))


# Status icons -------------------------------------------------------------

STATUS_GROUND = "#000080"
STATUS_CYAN = "#00ffff"


def status_ground():
    # The picture fills the upper-left 16 x 16; the label shows rows 0..15.
    return (rect(0, 0, 16, 16, STATUS_GROUND)
            + framed_rect(0, 0, 16, 16, "none", "#3040c0"))


def draw_status_icons():
    write_icon(140, "Warning: critical day",
               status_ground()
               + umbrella(1, 2, canopy=STATUS_CYAN, rib="#008080", shaft=STATUS_CYAN))
    arrow = (
        # Stem from the bottom, forking into two arrows at row 8.
        rect(7, 8, 2, 6, STATUS_CYAN)
        + path("M8,9 L4,5 M8,9 L12,5", stroke=STATUS_CYAN, width=2, cap="butt")
        + path("M2,2 L7,2 L2,7 Z", fill=STATUS_CYAN)
        + path("M14,2 L9,2 L14,7 Z", fill=STATUS_CYAN)
    )
    write_icon(158, "Message", status_ground() + arrow)


# Program icon ---------------------------------------------------------------

def sine_path(x0, x1, centre, amplitude, period, phase, steps=48):
    import math
    points = []
    for i in range(steps + 1):
        x = x0 + (x1 - x0) * i / steps
        y = centre - amplitude * math.sin(2 * math.pi * (x - x0) / period + phase)
        points.append(f"{x:.2f},{y:.2f}")
    return "M" + " L".join(points)


def program_icon():
    body = (
        '  <defs>\n'
        '    <linearGradient id="ground" x1="0" y1="0" x2="0" y2="1">\n'
        '      <stop offset="0" stop-color="#283a9a"/>\n'
        '      <stop offset="1" stop-color="#0c0c50"/>\n'
        '    </linearGradient>\n'
        '  </defs>\n'
        '  <rect x="1.5" y="1.5" width="29" height="29" rx="5" ry="5" '
        'fill="url(#ground)" stroke="#0a0a3a" stroke-width="1"/>\n'
        '  <rect x="2.5" y="2.5" width="27" height="27" rx="4" ry="4" '
        'fill="none" stroke="#6f80e0" stroke-opacity="0.6" stroke-width="1"/>\n'
        + rect(4, 16, 24, 1, "#8090d0", ' fill-opacity="0.55"')
        # Intellectual, emotional and physical in the chart's colours, the
        # shortest period in front.
        + path(sine_path(4, 28, 16.5, 7.5, 24, 0.0), stroke="#30e030", width=1.7)
        + path(sine_path(4, 28, 16.5, 7.5, 18, 2.1), stroke="#ff4040", width=1.7)
        + path(sine_path(4, 28, 16.5, 7.5, 14, 4.2), stroke="#5c9cff", width=1.7)
    )
    return body


# Buttons --------------------------------------------------------------------

def draw_help_book():
    # "Help" button: drawn at (8, 6), the button shows icon rows 0..17.
    body = (
        # Page block showing at the right and at the bottom.
        framed_rect(6, 2, 17, 16, "#ffffff", "#404040")
        + rect(20, 4, 1, 12, "#c0c0c0")
        + rect(8, 15, 12, 1, "#c0c0c0")
        # Cover with its darker spine.
        + framed_rect(3, 0, 17, 16, "#2050d0", "#000060")
        + rect(4, 1, 3, 14, "#1030a0")
        + rect(7, 1, 1, 14, "#6080ff")
        # Yellow question mark on the cover.
        + path("M10.5,5 C10.5,2.6 16.5,2.6 16.5,5 C16.5,7.2 13.5,7.1 13.5,9.6 L13.5,10",
               stroke="#ffff00", width=2, cap="butt")
        + rect(12.5, 11.5, 2, 2, "#ffff00")
    )
    write_icon(131, "Help", body)


def face(cx, cy, radius, skin, hair, outline="#402000"):
    eye_y = int(cy - 1)
    out = (f'  <circle cx="{cx}" cy="{cy}" r="{radius}" fill="{skin}" '
           f'stroke="{outline}" stroke-width="1"/>\n')
    # Hair: a cap over the upper part of the head.
    out += path(f"M{cx - radius},{cy - 0.5} A{radius},{radius} 0 0 1 {cx + radius},{cy - 0.5} "
                f"Q{cx},{cy - radius * 0.75} {cx - radius},{cy - 0.5} Z",
                fill=hair, stroke=outline, width=1)
    out += rect(int(cx - 2.5), eye_y, 1, 1, "#000000")
    out += rect(int(cx + 1.5), eye_y, 1, 1, "#000000")
    out += path(f"M{cx - 2},{cy + 2} Q{cx},{cy + 3.8} {cx + 2},{cy + 2}",
                stroke="#a00000", width=1)
    return out


def draw_three_faces():
    # "List" button: drawn at (8, 0), visible rows about 3..21; also shown
    # whole in the list dialog.
    body = (face(8.5, 10.5, 6, "#f0c090", "#804000")
            + face(23.5, 10.5, 6, "#e8b080", "#202020")
            + face(16, 15.5, 6.5, "#ffd8a8", "#e0b000"))
    write_icon(135, "Persons", body)


ZIGZAG = "M1.5,8.5 L5,2.5 L8.5,8.5 L12,2.5 L15.5,8.5 L19,3"


def draw_info_icons():
    # Button 1037 draws these at (3, 3); the visible area is about 25 x 12.
    # 143 also stands at (5, 5) on button 1061, where about 21 x 10 shows.
    # An arrow pointer touching the curve, short enough for the 12 visible rows.
    pointer = path("M15.5,5.5 L15.5,12.5 L17.2,10.8 L18.5,13 L19.8,12.3 L18.6,10.2 "
                   "L20.8,10.2 Z", fill="#ffffff", stroke="#000000", width=1)
    write_icon(141, "Day information",
               rect(1, 9, 19, 1, "#8080c0")
               + path(ZIGZAG, stroke="#d00000", width=1.6)
               + pointer)
    write_icon(143, "Day information, inactive",
               rect(1, 9, 19, 1, "#c0c0a0")
               + path(ZIGZAG, stroke="#808000", width=1.6))


def page(x, y, fill, outline, line):
    """A 10 x 12 page with its top-right corner folded, at pixel (x, y)."""
    out = path(f"M{x + 0.5},{y + 0.5} L{x + 6.5},{y + 0.5} L{x + 9.5},{y + 3.5} "
               f"L{x + 9.5},{y + 11.5} L{x + 0.5},{y + 11.5} Z",
               fill=fill, stroke=outline, width=1, join="miter")
    out += path(f"M{x + 6.5},{y + 0.5} L{x + 6.5},{y + 3.5} L{x + 9.5},{y + 3.5}",
                fill=line, stroke=outline, width=1, join="miter")
    for row in (5, 7, 9):
        out += rect(x + 2, y + row, 6 if row != 9 else 4, 1, line)
    return out


def arrow_right(x0, x1, cy, fill, outline):
    """A thick arrow pointing right from x0 to its tip at x1, centred on row cy."""
    head = x1 - 4
    return path(f"M{x0 + 0.5},{cy - 1.5} L{head + 0.5},{cy - 1.5} L{head + 0.5},{cy - 4.5} "
                f"L{x1 + 0.5},{cy + 0.5} L{head + 0.5},{cy + 5.5} L{head + 0.5},{cy + 2.5} "
                f"L{x0 + 0.5},{cy + 2.5} Z",
                fill=fill, stroke=outline, width=1, join="miter")


def draw_page_arrows():
    # Buttons 1060 and 1059 draw these at (0, -3), pressed at (0, 0):
    # rows 6..17 show in both looks.
    colours = {
        "in": ("#ffffff", "#000000", "#8080a0", "#00c000", "#004000"),
        "out": ("#ffffff", "#000000", "#8080a0", "#ff2020", "#600000"),
        "grey": ("#e0e0e0", "#808080", "#b0b0b0", "#b0b0b0", "#808080"),
    }
    def page_in(scheme):
        fill, outline, line, arrow, arrow_outline = colours[scheme]
        return page(15, 6, fill, outline, line) + arrow_right(4, 18, 11, arrow, arrow_outline)

    def page_out(scheme):
        fill, outline, line, arrow, arrow_outline = colours[scheme]
        return page(5, 6, fill, outline, line) + arrow_right(10, 25, 11, arrow, arrow_outline)

    write_icon(149, "Insert", page_in("in"))
    write_icon(157, "Insert, inactive", page_in("grey"))
    write_icon(150, "Remove", page_out("out"))
    write_icon(156, "Remove, inactive", page_out("grey"))


def draw_stacked_pages():
    # Button 1061 draws this at (0, -2), pressed at (0, 1): rows 5..16 show.
    back = page(13, 5, "#ffffc0", "#000000", "#a0a080")
    front = page(8, 8, "#ffffff", "#000000", "#8080a0")
    # The front page is cut at row 16 by the button; keep it whole but short.
    front = (path("M8.5,8.5 L14.5,8.5 L17.5,11.5 L17.5,16.5 L8.5,16.5 Z",
                  fill="#ffffff", stroke="#000000", width=1, join="miter")
             + path("M14.5,8.5 L14.5,11.5 L17.5,11.5", fill="#8080a0", stroke="#000000",
                    width=1, join="miter")
             + rect(10, 12, 5, 1, "#8080a0") + rect(10, 14, 6, 1, "#8080a0"))
    back = (path("M13.5,5.5 L19.5,5.5 L22.5,8.5 L22.5,14.5 L13.5,14.5 Z",
                 fill="#ffffc0", stroke="#000000", width=1, join="miter")
            + path("M19.5,5.5 L19.5,8.5 L22.5,8.5", fill="#c0c080", stroke="#000000",
                   width=1, join="miter")
            + rect(19, 10, 2, 1, "#a0a080") + rect(19, 12, 2, 1, "#a0a080"))
    write_icon(151, "Reset", back + front)


def balance(top, metal, outline, pans, dark):
    """A balance over columns 4..26, 11 rows tall from row `top`."""
    t = top
    out = ""
    # Strings from the beam ends to the pans.
    out += path(f"M6.5,{t + 2} L4.5,{t + 7.5} M6.5,{t + 2} L9.5,{t + 7.5} "
                f"M24.5,{t + 2} L21.5,{t + 7.5} M24.5,{t + 2} L26.5,{t + 7.5}",
                stroke=dark, width=1)
    # Pans: shallow bowls.
    for left in (4, 21):
        out += path(f"M{left + 0.5},{t + 7.5} L{left + 5.5},{t + 7.5} "
                    f"Q{left + 3},{t + 11} {left + 0.5},{t + 7.5} Z",
                    fill=pans, stroke=outline, width=1)
    # Post, beam and pivot.
    out += rect(14, t + 1, 3, 8, metal) + rect(14, t + 1, 1, 8, outline, ' fill-opacity="0.35"')
    out += framed_rect(5, t + 1, 21, 2, metal, outline)
    out += path(f"M13.5,{t + 1.5} L15.5,{t - 0.5} L17.5,{t + 1.5}",
                fill=metal, stroke=outline, width=1)
    # Foot.
    out += path(f"M10.5,{t + 10.5} L12.5,{t + 8.5} L18.5,{t + 8.5} L20.5,{t + 10.5} Z",
                fill=metal, stroke=outline, width=1, join="miter")
    return out


def draw_balances():
    # Button 1062: active at (0, -3), pressed at (0, 0): rows 6..17 show.
    write_icon(152, "Compare", balance(7, "#f0c020", "#604000", "#ffe060", "#403000"))
    # Inactive at (0, -4): drawn one row lower so that it stands where the
    # active balance stands on the button.
    write_icon(155, "Compare, inactive", balance(8, "#c8c8c8", "#808080", "#d8d8d8", "#909090"))


def striped_bar(fill, stripe, outline):
    out = framed_rect(4, 7, 23, 9, fill, outline)
    for x in range(7, 26, 4):
        out += path(f"M{x},{8} L{x + 2},{8} L{x - 1},{15} L{x - 3},{15} Z", fill=stripe)
    # Keep the stripes inside the outline.
    out += framed_rect(4, 7, 23, 9, "none", outline)
    out += rect(5, 8, 21, 1, "#ffffff", ' fill-opacity="0.45"')
    return out


def draw_striped_bars():
    # Button 1063 draws these at (0, -2), pressed at (0, 0): rows 5..16 show.
    write_icon(154, "Current month", striped_bar("#ffff00", "#e09000", "#604000"))
    write_icon(162, "Current month, inactive", striped_bar("#e0e0e0", "#b0b0b0", "#808080"))


def draw_padlock():
    # Drawn at (4, 10) on the chevron buttons, which show icon rows 0..8.
    body = (
        # Shackle.
        rect(2, 0, 3, 1, "#505050")
        + rect(1, 1, 1, 3, "#505050") + rect(5, 1, 1, 3, "#505050")
        # Body with a keyhole.
        + framed_rect(0, 3, 7, 6, "#f0b000", "#503000")
        + rect(1, 4, 5, 1, "#ffe070")
        + rect(3, 5, 1, 2, "#000000")
    )
    write_icon(161, "Locked", body)


def draw_clock():
    # Drawn at (0, -2) left of the time text: the dial fills icon rows 4..18,
    # which are the label's rows 2..16 inside its frame.
    cx, cy = 10.5, 11.5
    body = (
        f'  <circle cx="{cx}" cy="{cy}" r="7" fill="#000080"/>\n'
        f'  <circle cx="{cx}" cy="{cy}" r="5.6" fill="#ffffff"/>\n'
        + pixels([(10, 6), (15, 11), (10, 16), (5, 11)], "#000080")
        + rect(10, 8, 1, 4, "#000000")
        + rect(10, 11, 4, 1, "#000000")
        + rect(10, 11, 1, 1, "#d00000")
    )
    write_icon(163, "Time", body)


def main():
    ICON_DIR.mkdir(exist_ok=True)
    write_icon(130, "Ryvanta", program_icon())
    (ICON_DIR.parent / "ryvanta.svg").write_text(
        HEADER + "  <title>Ryvanta</title>\n" + program_icon() + "</svg>\n")
    draw_help_book()
    draw_three_faces()
    draw_umbrellas()
    draw_status_icons()
    draw_info_icons()
    draw_page_arrows()
    draw_stacked_pages()
    draw_balances()
    draw_striped_bars()
    draw_padlock()
    draw_clock()


if __name__ == "__main__":
    main()
