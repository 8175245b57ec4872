"""Writes the example gauges panel.dwl and radio.dwl into the folder given (default: the
examples folder, one level up from this script). Their pictures come from make_art.py.

    python3 make_gauges.py [FOLDER]

The variables are those of ../alias.txt; ../demo.txt is the simulator scenario that moves
them all.
"""
import math
import os
import sys

from gauge_xml import Gauge, rgb

WHITE = rgb(245, 245, 240)
GREY = rgb(150, 150, 150)
DARK = rgb(80, 80, 80)
AMBER = rgb(255, 170, 0)
RED = rgb(230, 30, 30)
GREEN = rgb(50, 205, 50)
LCD_AMBER = rgb(255, 176, 0)

AIRSPEED, ALTITUDE, RPM, FUEL, OIL, GENERATOR, DOOR, SLIP = range(101, 109)
COM_ACTIVE, COM_STANDBY, NAV_ACTIVE, NAV_STANDBY, XPDR, ADF, NAV_IDENT, XPDR_IDENT = \
    range(110, 118)
TEST = 120


def at(cx, cy, size):
    """left, top, width, height of a square centred on (cx, cy)."""
    return cx - size // 2, cy - size // 2, size, size


def label(g, text, cx, cy, width, size=11, colour=GREY, name=None):
    g.text(name or "Label " + text, text, cx - width // 2, cy - (size + 6) // 2, width,
           size + 6, size=size, colour=colour)


def dial_numbers(g, cx, cy, radius, numbers, size=13):
    """Numbers around a dial: (text, angle in degrees clockwise from up)."""
    for text, angle in numbers:
        a = math.radians(angle)
        x = round(cx + radius * math.sin(a))
        y = round(cy - radius * math.cos(a))
        label(g, text, x, y, 36, size=size, colour=WHITE, name="Number " + text)


def airspeed(g, cx, cy):
    g.image("Airspeed face", "art/dial_face.png", *at(cx, cy, 220))
    g.shape("Flap range", "ArcTo", *at(cx, cy, 146), ang1=60, ang2=127.5, pct=100, line=4)
    g.shape("Normal range", "ArcTo", *at(cx, cy, 162), ang1=75, ang2=195, pct=100, line=5,
            colour=GREEN)
    g.shape("Caution range", "ArcTo", *at(cx, cy, 162), ang1=195, ang2=247.5, pct=100,
            line=5, colour=rgb(255, 210, 0))
    g.shape("Never exceed", "Radius", *at(cx, cy, 180), ang1=0.80, ang2=1.0, pct=247.5,
            line=3, colour=RED)
    g.shape("Ticks 10 kt", "Scale", *at(cx, cy, 180), ang1=0, ang2=300, pct=21,
            marks=(-0.07, 0.0))
    g.shape("Ticks 20 kt", "Scale", *at(cx, cy, 180), ang1=0, ang2=300, pct=11, line=3,
            marks=(-0.14, 0.0))
    dial_numbers(g, cx, cy, 63, [(str(kt), kt * 1.5) for kt in range(0, 201, 40)])
    label(g, "AIRSPEED", cx, cy - 30, 90, size=10)
    label(g, "KNOTS", cx, cy + 28, 90, size=10)
    g.image("Airspeed needle", "art/needle.png", *at(cx, cy, 180), program="""
// The needle turns 1.5 degrees per knot and stops at 200 knots.
link offset %d server 1
data = value
if data > 200
data = 200
endif
data *= 1.5
rotate
""" % AIRSPEED)


def altimeter(g, cx, cy):
    g.image("Altimeter face", "art/dial_face.png", *at(cx, cy, 220))
    g.shape("Ticks 20 ft", "Scale", *at(cx, cy, 180), ang1=0, ang2=360, pct=50,
            marks=(-0.07, 0.0))
    g.shape("Ticks 100 ft", "Scale", *at(cx, cy, 180), ang1=0, ang2=360, pct=10, line=3,
            marks=(-0.14, 0.0))
    dial_numbers(g, cx, cy, 64, [(str(n), n * 36) for n in range(10)])
    label(g, "FEET", cx, cy - 30, 60, size=10)
    g.text("Altitude readout", "01250", cx - 38, cy + 24, 76, 24, face="DW_LCD", size=16,
           bold=False, colour=rgb(80, 255, 120), back=rgb(0, 0, 0), border=1,
           border_colour=DARK, transparent=False, program="""
link offset %d server 1
print %%05.0f value
""" % ALTITUDE)
    g.shape("Thousands hand", "Radius", *at(cx, cy, 180), ang1=0.0, ang2=0.55, pct=45,
            line=7, colour=rgb(225, 225, 220), program="""
// One turn of the short hand is 10 000 feet.
link offset %d server 1
data = value
data *= 0.036
setpos data
""" % ALTITUDE)
    g.image("Hundreds needle", "art/needle.png", *at(cx, cy, 180), program="""
// One turn of the long needle is 1000 feet: keep what is left over the thousands.
link offset %d server 1
data = value
data /= 1000
int data
data *= -1000
data += value
data *= 0.36
rotate
""" % ALTITUDE)


def tachometer(g, cx, cy):
    g.image("Tachometer face", "art/dial_face.png", *at(cx, cy, 220))
    g.shape("RPM track", "ArcTo", *at(cx, cy, 144), ang1=225, ang2=135, pct=100, line=10,
            colour=rgb(60, 60, 64))
    g.shape("RPM arc", "ArcTo", *at(cx, cy, 144), ang1=225, ang2=135, pct=0, line=10,
            colour=GREEN, program="""
// The arc grows with the engine speed (3000 rpm fill it) and turns red above 2500.
link offset %d server 1
data = value
data /= 30
if data > 100
data = 100
endif
setpos data
if value > 2500
setcolor %d
else
setcolor %d
endif
""" % (RPM, RED, GREEN))
    g.shape("RPM ticks", "Scale", *at(cx, cy, 180), ang1=225, ang2=135, pct=7, line=2,
            marks=(-0.1, 0.0))
    g.shape("RPM red line", "Radius", *at(cx, cy, 180), ang1=0.78, ang2=1.0, pct=90, line=3,
            colour=RED)
    dial_numbers(g, cx, cy, 48, [(str(n * 5), 225 + n * 45) for n in range(7)], size=12)
    g.text("RPM readout", "2400", cx - 35, cy - 12, 70, 24, face="DejaVu Sans Mono", size=18,
           program="""
link offset %d server 1
print %%4.0f value
""" % RPM)
    label(g, "RPM x 100", cx, cy + 20, 90, size=10)
    g.shape("Overspeed stripe", "FillRect", cx - 48, cy + 70, 96, 12, style="BDiagonal",
            fill=rgb(255, 210, 0), back=0, line=0, transparent=False, program="""
link offset %d server 1
if value > 2600
show
else
hide
endif
""" % RPM)
    g.audio("Overspeed chime", "art/chime.wav", cx + 118, cy - 106, 28, 34, program="""
// The chime sounds again and again while the engine turns too fast.
link offset %d server 1
if value > 2600
play loop
else
stop
endif
""" % RPM)


LIGHTS = [  # text, variable, condition, colour when lit
    ("LOW FUEL", FUEL, "< 15", AMBER),
    ("OIL PRESS", OIL, "< 20", RED),
    ("GENERATOR", GENERATOR, "== 0", AMBER),
    ("DOOR", DOOR, "== 1", AMBER),
    ("LOW SPEED", AIRSPEED, "< 45", RED),
    ("OVERSPEED", RPM, "> 2600", RED),
]


def annunciators(g, left, top):
    label(g, "ANNUNCIATORS", left + 162, top - 12, 200, size=10)
    for i, (text, variable, condition, colour) in enumerate(LIGHTS):
        x = left + (i % 3) * 110
        y = top + (i // 3) * 36
        g.text("Light " + text, text, x, y, 104, 30, size=11, colour=DARK,
               back=rgb(22, 22, 22), border=1, border_colour=rgb(70, 70, 70),
               transparent=False, program="""
// Lit when the variable is %s, or while the TEST button is down.
link offset %d server 1
data = 0
if value %s
data = 1
endif
offset %d
if value == 1
data = 1
endif
if data == 1
setbackcolor %d
setcolor %d
else
setbackcolor %d
setcolor %d
endif
""" % (condition, variable, condition, TEST, colour, rgb(20, 20, 20), rgb(22, 22, 22), DARK))
    y = top + 76
    g.image("Test button", "art/button_off.png", left, y, 80, 32, program="""
// The button lights while the test is on.
link offset %d server 1
if value == 1
setfile art/button_on.png
else
setfile art/button_off.png
endif
""" % TEST, click="""
// A click switches the lamp test on or off.
link offset %d server 1
if value == 0
set offset %d = 1
else
set offset %d = 0
endif
""" % (TEST, TEST, TEST))
    label(g, "TEST", left + 40, y + 16, 60, size=12, colour=WHITE, name="Test label")
    label(g, "click to test the lights", left + 190, y + 16, 190, size=10, colour=DARK,
          name="Test hint")


def slip(g, left, top):
    label(g, "SLIP", left + 95, top - 10, 60, size=10)
    g.shape("Slip tube", "FillRect", left, top, 190, 30, fill=rgb(8, 8, 8), line=2,
            colour=rgb(110, 110, 116), transparent=False)
    for x in (left + 80, left + 108):
        g.shape("Slip mark", "FillRect", x, top + 2, 2, 26, fill=rgb(200, 200, 200), line=0,
                transparent=False)
    g.shape("Slip ball", "Pie", left + 83, top + 3, 24, 24, ang1=0, ang2=360, pct=100,
            fill=WHITE, colour=WHITE, program="""
// The ball moves sideways by the slip, in pixels.
link offset %d server 1
data = value
moveh
""" % SLIP)


def fuel(g, cx, cy):
    label(g, "FUEL", cx, cy + 34, 60, size=10)
    g.shape("Fuel track", "Pie", *at(cx, cy, 140), ang1=270, ang2=90, pct=100,
            fill=rgb(50, 50, 54), colour=rgb(110, 110, 116))
    g.shape("Fuel quantity", "Pie", *at(cx, cy, 140), ang1=270, ang2=90, pct=60,
            style="FDiagonal", fill=rgb(60, 220, 90), back=rgb(10, 60, 20), colour=WHITE,
            program="""
// The sector shows the fuel left, hatched green, red below 15 per cent.
link offset %d server 1
data = value
setpos data
if value < 15
setcolor %d
else
setcolor %d
endif
""" % (FUEL, RED, rgb(60, 220, 90)))
    g.text("Fuel readout", "60%", cx - 32, cy + 6, 64, 20, size=14, program="""
link offset %d server 1
print %%3.0f%%%% value
""" % FUEL)


def panel(folder):
    g = Gauge("Demo panel", window=(80, 60, 800, 540))
    airspeed(g, 130, 130)
    altimeter(g, 370, 130)
    tachometer(g, 610, 130)
    annunciators(g, 20, 274)
    slip(g, 370, 290)
    fuel(g, 670, 330)
    g.write(os.path.join(folder, "panel.dwl"))


def radio_row(g, y, name, active, standby, fmt, active_text, standby_text, preset,
              preset_text):
    label(g, name, 54, y + 20, 60, size=12, colour=rgb(210, 210, 210), name="Row " + name)
    for title, variable, x, text in (("active", active, 90, active_text),
                                     ("standby", standby, 270, standby_text)):
        g.text("%s %s" % (name, title), text, x, y, 124, 40, face="DW_LCD", size=24,
               bold=False, colour=LCD_AMBER, back=rgb(12, 8, 0), border=2,
               border_colour=rgb(28, 28, 28), transparent=False, program="""
link offset %d server 1
%s value
""" % (variable, fmt))
    g.image(name + " swap", "art/swap.png", 220, y + 5, 44, 30, click="""
// Exchange the active and the standby frequency.
link offset %d server 1
data = value
offset %d
set offset %d server 1 = value
set offset %d server 1 = data
""" % (active, standby, active, standby))
    g.image(name + " preset", "art/button_off.png", 404, y + 4, 80, 32, click="""
// Put a preset frequency into the standby window.
set offset %d server 1 = %d
""" % (standby, preset))
    label(g, preset_text, 444, y + 20, 76, size=11, colour=WHITE, name=name + " preset label")


def radio(folder):
    g = Gauge("Radio stack", back=rgb(24, 24, 26), window=(120, 100, 640, 400))
    g.shape("Panel", "FillRect", 10, 10, 580, 280, fill=rgb(48, 48, 52), line=2,
            colour=rgb(100, 100, 106), transparent=False)
    label(g, "ACTIVE", 152, 22, 100, size=10)
    label(g, "STANDBY", 332, 22, 100, size=10)
    radio_row(g, 34, "COM 1", COM_ACTIVE, COM_STANDBY, "print_com", "118.70", "121.90",
              0x2150, "121.50")
    radio_row(g, 94, "NAV 1", NAV_ACTIVE, NAV_STANDBY, "print_nav", "110.30", "113.90",
              0x1050, "110.50")
    g.text("NAV 1 station", "SFO", 494, 104, 80, 20, face="DejaVu Sans Mono", size=16,
           colour=rgb(80, 255, 120), program="""
// The station's identifier comes packed as characters in one number.
link offset %d server 1
print_ident value
""" % NAV_IDENT)
    label(g, "ADF", 54, 174, 60, size=12, colour=rgb(210, 210, 210), name="Row ADF")
    g.text("ADF frequency", "345", 90, 154, 124, 40, face="DW_LCD", size=24, bold=False,
           colour=LCD_AMBER, back=rgb(12, 8, 0), border=2, border_colour=rgb(28, 28, 28),
           transparent=False, program="""
link offset %d server 1
print_adf value
""" % ADF)
    label(g, "kHz", 238, 174, 40, size=11)
    label(g, "XPDR", 54, 234, 60, size=12, colour=rgb(210, 210, 210), name="Row XPDR")
    g.text("Transponder code", "1200", 90, 214, 124, 40, face="DW_LCD", size=24, bold=False,
           colour=LCD_AMBER, back=rgb(12, 8, 0), border=2, border_colour=rgb(28, 28, 28),
           transparent=False, program="""
link offset %d server 1
print_xpndr value
""" % XPDR)
    g.image("Ident button", "art/button_off.png", 224, 218, 80, 32, program="""
link offset %d server 1
if value == 1
setfile art/button_on.png
else
setfile art/button_off.png
endif
""" % XPDR_IDENT, click="""
// A click switches the identification on or off.
link offset %d server 1
if value == 0
set offset %d = 1
else
set offset %d = 0
endif
""" % (XPDR_IDENT, XPDR_IDENT, XPDR_IDENT))
    label(g, "IDENT", 264, 234, 60, size=12, colour=WHITE, name="Ident label")
    g.text("Transponder state", "STANDBY", 314, 216, 150, 36, face="DejaVu Sans Mono",
           size=13, colour=rgb(80, 255, 120), align=4, program="""
// print_str shows the rest of its line; \\n breaks it.
link offset %d server 1
if value == 1
print_str IDENT\\nREPLYING
else
print_str STANDBY
endif
""" % XPDR_IDENT)
    g.shape("Speaker grille", "FillRect", 494, 194, 80, 80, style="DiagCross",
            fill=rgb(90, 90, 96), back=rgb(10, 10, 10), line=1, colour=rgb(70, 70, 74),
            transparent=False)
    g.write(os.path.join(folder, "radio.dwl"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..")
    panel(folder)
    radio(folder)


if __name__ == "__main__":
    main()
