#!/usr/bin/python3
"""Draws the button and picture files of the four colour themes.

Writes the 40 files every site copies into its shared image folder, once per
theme folder under assets/program/: 127x25 navigation buttons with their
labels, the 60x60 "Click!" button of the topic links and the 179x191 owl
that stands in for a student's photo; beside them the year buttons of 2013
to 2099, one of which a build copies when it links to last year. Needs PIL
(Debian: python3-pil).
It also draws the main window's logo (248x60) and the small picture on
its Preview button into assets/ui/. Run it after a change of look; the
images it writes are committed.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
PROGRAM = os.path.join(HERE, "program")
UI = os.path.join(HERE, "ui")

SCALE = 4  # drawn large, then reduced, for smooth edges

# Side colour and second colour of each theme, as the builder's theme table
# gives them, and the shades the buttons are drawn in.
THEMES = {
    "fire": {
        "colour1": "#999966", "colour2": "#C0C0C0",
        "top": "#C4C496", "bottom": "#77773F", "edge": "#55552C",
        "gloss": "#E6E6C8", "text": "#FFFFFF", "shadow": "#3F3F20",
        "accent": "#CC5522",
    },
    "metal": {
        "colour1": "#FFCC66", "colour2": "#FFFFCC",
        "top": "#FFEBB0", "bottom": "#E09A3A", "edge": "#9A5C16",
        "gloss": "#FFFFE6", "text": "#4E2A00", "shadow": "#FFF2C8",
        "accent": "#B86B1F",
    },
    "mop": {
        "colour1": "#008080", "colour2": "#99CCFF",
        "top": "#3AB0B0", "bottom": "#005C5C", "edge": "#003E3E",
        "gloss": "#C8E6FF", "text": "#FFFFFF", "shadow": "#00393F",
        "accent": "#99CCFF",
    },
    "night": {
        "colour1": "#808080", "colour2": "#C0C0C0",
        "top": "#3C3C5A", "bottom": "#101020", "edge": "#808080",
        "gloss": "#6A6A8A", "text": "#E0E0E0", "shadow": "#000000",
        "accent": "#C0C0C0",
    },
}

# The 40 file names in the order of the builder's image list, with the label
# each button shows. The two pictures have no label here.
BUTTONS = [
    ("but-yrpg.jpg", "Year Pages"),
    ("but-help.jpg", "Help Desk"),
    ("but-int.jpg", "Internet"),
    ("but-groups.jpg", "Groups"),
] + [("but-%d.jpg" % year, "Orvane %d" % year) for year in range(2002, 2013)] + [
    ("but-cant.jpg", "Canteen"),
    ("but-home.jpg", "Home"),
    ("but-clpg.jpg", "Class Pages"),
    ("but-coun.jpg", "Counsellor"),
    ("but-info.jpg", "Information"),
    ("but-p&c.jpg", "P & C"),
    ("but-prin.jpg", "Principal"),
    ("but-src.jpg", "SRC"),
    ("but-cntc.jpg", "Contact Us"),
    ("but-fclt.jpg", "Facilities"),
    ("but-lbry.jpg", "Library"),
    ("but-newl.jpg", "Newsletter"),
    ("but-phto.jpg", "Photos"),
    ("but-scpg.jpg", "Our School"),
    ("but-staf.jpg", "Staff"),
    ("but-comm.jpg", "Community"),
    ("but-clnd.jpg", "Calendar"),
    ("but-link.jpg", "Links"),
    ("but-news.jpg", "News"),
    ("but-plcy.jpg", "Policies"),
    ("but-sprt.jpg", "Sport"),
    ("but-stpg.jpg", "My Class"),
    ("but-mypg.jpg", "My Page"),
]
PICTURES = ["but-clik.jpg", "owl.gif"]

# The buttons of later years, drawn as the eleven of the list. A build copies
# the one of last year when the Year Pages page links to it.
LATER_YEARS = [("but-%d.jpg" % year, "Orvane %d" % year) for year in range(2013, 2100)]

BOLD_FONTS = [
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
]


def rgb(colour):
    colour = colour.lstrip("#")
    return tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def bold_font(size):
    for path in BOLD_FONTS:
        if os.path.exists(path):
            return ImageFont.truetype(path, size)
    sys.exit("draw_images.py: no bold TrueType font found (install fonts-dejavu-core)")


def fitted_font(draw, text, width, size):
    """The largest bold font, not above size, whose text fits in width."""
    while size > 6:
        font = bold_font(size)
        left, _, right, _ = draw.textbbox((0, 0), text, font=font)
        if right - left <= width:
            return font
        size -= 1
    return bold_font(size)


def vertical_gradient(size, top, bottom):
    width, height = size
    image = Image.new("RGB", size)
    draw = ImageDraw.Draw(image)
    for y in range(height):
        draw.line([(0, y), (width, y)], fill=mix(top, bottom, y / max(1, height - 1)))
    return image


def centred_text(draw, box, text, font, fill, shadow, offset):
    left, top, right, bottom = box
    l, t, r, b = draw.textbbox((0, 0), text, font=font)
    x = left + (right - left - (r - l)) / 2 - l
    y = top + (bottom - top - (b - t)) / 2 - t
    draw.text((x + offset, y + offset), text, font=font, fill=shadow)
    draw.text((x, y), text, font=font, fill=fill)


def draw_button(theme, label):
    """A 127x25 rounded button with a glossy face and its label."""
    w, h = 127 * SCALE, 25 * SCALE
    radius = 7 * SCALE
    face = vertical_gradient((w, h), rgb(theme["top"]), rgb(theme["bottom"]))
    gloss = vertical_gradient((w, h // 2), rgb(theme["gloss"]), rgb(theme["top"]))
    face.paste(gloss, (0, 0))

    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius, fill=255)
    image = Image.new("RGB", (w, h), (255, 255, 255))
    image.paste(face, (0, 0), mask)

    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([0, 0, w - 1, h - 1], radius, outline=rgb(theme["edge"]),
                           width=SCALE)
    # a small mark of the theme's accent colour at the left end
    cy = h // 2
    dot = 3 * SCALE
    draw.ellipse([9 * SCALE - dot, cy - dot, 9 * SCALE + dot, cy + dot],
                 fill=rgb(theme["accent"]), outline=rgb(theme["edge"]), width=SCALE // 2)

    font = fitted_font(draw, label, 100 * SCALE, 12 * SCALE)
    centred_text(draw, (16 * SCALE, 0, w - 6 * SCALE, h), label, font,
                 rgb(theme["text"]), rgb(theme["shadow"]), SCALE // 2 + 1)
    return image.resize((127, 25), Image.LANCZOS)


def draw_click(theme):
    """The 60x60 round "Click!" button of the topic links."""
    w = h = 60 * SCALE
    image = Image.new("RGB", (w, h), (255, 255, 255))
    draw = ImageDraw.Draw(image)
    pad = 2 * SCALE
    draw.ellipse([pad, pad + SCALE, w - pad, h - pad + SCALE], fill=(200, 200, 200))
    face = vertical_gradient((w, h), rgb(theme["top"]), rgb(theme["bottom"]))
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).ellipse([pad, pad, w - pad - SCALE, h - pad - SCALE], fill=255)
    image.paste(face, (0, 0), mask)
    draw.ellipse([pad, pad, w - pad - SCALE, h - pad - SCALE], outline=rgb(theme["edge"]),
                 width=2 * SCALE)
    draw.ellipse([10 * SCALE, 6 * SCALE, 48 * SCALE, 24 * SCALE], fill=mix(
        rgb(theme["gloss"]), rgb(theme["top"]), 0.35))
    # an arrow pointing right, then the word
    ay = 40 * SCALE
    draw.polygon([(22 * SCALE, ay - 5 * SCALE), (34 * SCALE, ay - 5 * SCALE),
                  (34 * SCALE, ay - 9 * SCALE), (42 * SCALE, ay),
                  (34 * SCALE, ay + 9 * SCALE), (34 * SCALE, ay + 5 * SCALE),
                  (22 * SCALE, ay + 5 * SCALE)], fill=rgb(theme["accent"]),
                 outline=rgb(theme["edge"]))
    font = fitted_font(draw, "Click!", 44 * SCALE, 14 * SCALE)
    centred_text(draw, (0, 12 * SCALE, w - SCALE, 30 * SCALE), "Click!", font,
                 rgb(theme["text"]), rgb(theme["shadow"]), SCALE // 2 + 1)
    return image.resize((60, 60), Image.LANCZOS)


def draw_owl(theme):
    """The 179x191 owl that waits on every student home page for a photo."""
    w, h = 179 * SCALE, 191 * SCALE
    s = SCALE
    background = mix(rgb(theme["colour2"]), (255, 255, 255), 0.55)
    image = Image.new("RGB", (w, h), background)
    draw = ImageDraw.Draw(image)
    frame = rgb(theme["edge"])
    draw.rectangle([0, 0, w - 1, h - 1], outline=frame, width=3 * s)

    body = rgb(theme["bottom"])
    belly = mix(rgb(theme["top"]), (255, 255, 255), 0.45)
    dark = rgb(theme["edge"])
    # branch
    draw.rounded_rectangle([14 * s, 160 * s, 165 * s, 170 * s], 5 * s, fill=(120, 82, 45))
    # body, belly, ear tufts
    draw.ellipse([40 * s, 40 * s, 139 * s, 168 * s], fill=body, outline=dark, width=2 * s)
    draw.ellipse([58 * s, 88 * s, 121 * s, 162 * s], fill=belly)
    draw.polygon([(46 * s, 62 * s), (50 * s, 24 * s), (74 * s, 48 * s)], fill=body,
                 outline=dark)
    draw.polygon([(133 * s, 62 * s), (129 * s, 24 * s), (105 * s, 48 * s)], fill=body,
                 outline=dark)
    # feathers on the belly
    for row, y in enumerate(range(100, 150, 12)):
        for x in range(66 + (row % 2) * 6, 112, 12):
            draw.arc([x * s, y * s, (x + 10) * s, (y + 8) * s], 20, 160, fill=dark, width=s)
    # eyes and beak
    for cx in (70, 109):
        draw.ellipse([(cx - 19) * s, 50 * s, (cx + 19) * s, 88 * s], fill=(255, 255, 255),
                     outline=dark, width=2 * s)
        draw.ellipse([(cx - 9) * s, 60 * s, (cx + 9) * s, 78 * s], fill=(20, 20, 20))
        draw.ellipse([(cx - 4) * s, 62 * s, (cx + 1) * s, 67 * s], fill=(255, 255, 255))
    draw.polygon([(84 * s, 82 * s), (95 * s, 82 * s), (89.5 * s, 96 * s)],
                 fill=(240, 170, 40), outline=(150, 90, 10))
    # feet on the branch
    for cx in (76, 103):
        for dx in (-5, 0, 5):
            draw.ellipse([(cx + dx - 3) * s, 157 * s, (cx + dx + 3) * s, 164 * s],
                         fill=(240, 170, 40))
    # the hint along the top
    font = fitted_font(draw, "Your photo here!", 160 * s, 13 * s)
    centred_text(draw, (0, 6 * s, w, 22 * s), "Your photo here!", font,
                 mix(dark, (0, 0, 0), 0.4), background, 0)
    small = image.resize((179, 191), Image.LANCZOS)
    return small.convert("P", palette=Image.ADAPTIVE, colors=64)


def draw_theme(name, theme):
    folder = os.path.join(PROGRAM, name)
    os.makedirs(folder, exist_ok=True)
    for file_name, label in BUTTONS + LATER_YEARS:
        draw_button(theme, label).save(os.path.join(folder, file_name), "JPEG",
                                       quality=92, optimize=True)
    draw_click(theme).save(os.path.join(folder, "but-clik.jpg"), "JPEG", quality=92,
                           optimize=True)
    draw_owl(theme).save(os.path.join(folder, "owl.gif"), "GIF")


def draw_logo():
    """The suite's name as a logo: a glossy blue plate with the owl's eyes."""
    w, h = 248 * SCALE, 60 * SCALE
    s = SCALE
    plate = vertical_gradient((w, h), (70, 120, 200), (20, 40, 110))
    gloss = vertical_gradient((w, h // 2), (150, 190, 240), (70, 120, 200))
    plate.paste(gloss, (0, 0))
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], 12 * s, fill=255)
    image = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    image.paste(plate, (0, 0), mask)
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([0, 0, w - 1, h - 1], 12 * s, outline=(10, 25, 70), width=2 * s)
    # two owl eyes and a beak as the emblem
    for cx in (24, 46):
        draw.ellipse([(cx - 10) * s, 14 * s, (cx + 10) * s, 34 * s], fill=(255, 255, 255),
                     outline=(10, 25, 70), width=s)
        draw.ellipse([(cx - 5) * s, 19 * s, (cx + 5) * s, 29 * s], fill=(20, 20, 20))
        draw.ellipse([(cx - 3) * s, 20 * s, (cx) * s, 23 * s], fill=(255, 255, 255))
    draw.polygon([(31 * s, 33 * s), (39 * s, 33 * s), (35 * s, 42 * s)], fill=(250, 180, 40))
    font = fitted_font(draw, "Ond's Orvane!", 178 * s, 26 * s)
    centred_text(draw, (62 * s, 4 * s, w - 6 * s, 40 * s), "Ond's Orvane!", font,
                 (255, 255, 255), (10, 25, 70), 2 * s)
    small_font = fitted_font(draw, "Student-Centered Intranets", 170 * s, 10 * s)
    centred_text(draw, (62 * s, 38 * s, w - 6 * s, 54 * s), "Student-Centered Intranets",
                 small_font, (255, 220, 120), (10, 25, 70), s)
    return image.resize((248, 60), Image.LANCZOS)


def draw_preview_icon():
    """A page under a magnifying glass, for the Preview button."""
    w = h = 24 * SCALE
    s = SCALE
    image = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rectangle([2 * s, 1 * s, 16 * s, 20 * s], fill=(255, 255, 255),
                   outline=(60, 60, 60), width=s)
    for y in (5, 8, 11, 14):
        draw.line([(5 * s, y * s), (13 * s, y * s)], fill=(120, 140, 200), width=s)
    draw.line([(16 * s, 16 * s), (22 * s, 22 * s)], fill=(90, 60, 30), width=3 * s)
    draw.ellipse([8 * s, 8 * s, 18 * s, 18 * s], fill=(200, 225, 255, 200),
                 outline=(30, 30, 30), width=int(1.5 * s))
    return image.resize((24, 24), Image.LANCZOS)


def main():
    assert len(BUTTONS) + len(PICTURES) == 40
    for name, theme in THEMES.items():
        draw_theme(name, theme)
    os.makedirs(UI, exist_ok=True)
    draw_logo().save(os.path.join(UI, "logo.png"), "PNG", optimize=True)
    draw_preview_icon().save(os.path.join(UI, "preview.png"), "PNG", optimize=True)
    print("drew %d files in each of %s" % (len(BUTTONS) + len(PICTURES) + len(LATER_YEARS),
                                          ", ".join(THEMES)))


if __name__ == "__main__":
    main()
