#!/usr/bin/env python3
"""Reference implementation of the Starwise chart and of the reading's selections.

Written independently of the C++ engine, in plain Python (standard library only),
so that `starwise-cli --batch --json` can be checked against it field by field.
Every function is named after the quantity it computes and uses the same
constants as the program (pi 3.14159265358979, the general precession in
longitude, ...), so the two implementations agree to the last few bits of a
double.

Conventions inside: geographic longitude is positive WEST of Greenwich, latitude
positive north; stored longitudes are decimal degrees in [0, 360); arguments of
sin/cos/tan are radians.
"""

import datetime
import math
from dataclasses import dataclass

PI = 3.14159265358979
TWO_PI = 6.28318530717958
RAD_PER_DEG = 0.0174532925199433
DEG_PER_RAD = 57.2957795130823
KEPLER_TOLERANCE = 1e-12
KEPLER_MAX_STEPS = 100

SIGN_ABBREVIATIONS = "AriTauGemCanLeoVirLibScoSagCapAquPis"
SIGN_NAMES = ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
              "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"]
BODY_NAMES = ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
              "Uranus", "Neptune", "Pluto", "Ascendant"]

# The 71 zones in list order: (list text, hours, minutes) where hours and minutes
# are what is added to the local clock time to obtain Universal Time (positive
# west of Greenwich). Held as stored values, never parsed from the labels.
ZONES = [
    ('Alaska/Hawaii Daylight Time,AHDT,-9.0', 9, 0),
    ('Alaska/Hawaii Standard Time,AHST,-10.0', 10, 0),
    ('Alaska/Hawaii War Time,AHWT,-9.0', 9, 0),
    ('Atlantic Standard Time,AST,-4.0', 4, 0),
    ('Atlantic War Time,AWT,-3.0', 3, 0),
    ('Australian Central Daylight Time,ACDT,+10.5', -10, -30),
    ('Australian Central Standard Time,ACST,+9.5', -9, -30),
    ('Australian Eastern Daylight Time,AEDT,+11.0', -11, 0),
    ('Australian Eastern Standard Time,AEST,+10.0', -10, 0),
    ('Australian Western Daylight Time,AWDT,+9.0', -9, 0),
    ('Australian Western Standard Time,AWST,+8.0', -8, 0),
    ('Azores Time, AT, -2.0', 2, 0),
    ('Baghdad Time, BAT, +3.0', -3, 0),
    ('Bering Standard Time,BET,-11.0', 11, 0),
    ('Brazil Zone 2,BZT2,-3.0', 3, 0),
    ('British Double Summer Time,BDST,+2.0', -2, 0),
    ('British Summer Time,BST,+1.0', -1, 0),
    ('British War Time,BWT,+2.0', -2, 0),
    ('Central Daylight Time,CDT,-5.0', 5, 0),
    ('Central European Daylight,CED,+2.0', -2, 0),
    ('Central European Time,CET,+1.0', -1, 0),
    ('Central Standard Time,CST,-6.0', 6, 0),
    ('Central War Time,CWT,-5.0', 5, 0),
    ('China Coast Time,CCT,+8.0', -8, 0),
    ('Eastern Daylight Time,EDT,-4.0', 4, 0),
    ('Eastern European Daylight Time,EED,+3.0', -3, 0),
    ('Eastern European Time,EET,+2.0', -2, 0),
    ('Eastern Standard Time,EST,-5.0', 5, 0),
    ('Eastern War Time,EWT,-4.0', 4, 0),
    ('Greenwich Mean Time,GMT,0.0', 0, 0),
    ('Guam Standard Time,GST,+10.0', -10, 0),
    ('Hawaiian Daylight Time,HDT,-9.5', 9, 30),
    ('Hawaiian Standard Time,HST,-10.5', 10, 30),
    ('Hawaiian War Time,HWT,-9.5', 9, 30),
    ('Indian Time, IST, +5.3', -5, -30),
    ("Int'l Date Line East,IDLE,+12.0", -12, 0),
    ("Int'l Date Line West,IDLW,-12.0", 12, 0),
    ('Iran Time, IT, +3.5', -3, -30),
    ('Japan Standard Time,JST,+9.0', -9, 0),
    ('Java Time, JT, +7.5', -7, -30),
    ('Middle European Daylight Time,MED,+2.0', -2, 0),
    ('Middle European Time,MET,+1.0', -1, 0),
    ('Moluccas Time, MT, +8.5', -8, -30),
    ('Mountain Daylight Time,MDT,-6.0', 6, 0),
    ('Mountain Standard Time,MST,-7.0', 7, 0),
    ('Mountain War Time,MWT,-6.0', 6, 0),
    ('New Zealand Std Summer Time,NZST,+13.0', -13, 0),
    ('New Zealand Std Time,NZT,+12.0', -12, 0),
    ('New Zealand Summer Time,NZS,+12.5', -12, -30),
    ('New Zealand Time,NZ,+11.5', -11, -30),
    ('Newfoundland Standard Time,NST,-3.5', 3, 30),
    ('Nome Time, NT, -11.0', 11, 0),
    ('North Sumatra Time,NST,+6.5', -6, -30),
    ('Pacific Daylight Time,PDT,-7.0', 7, 0),
    ('Pacific Standard Time,PST,-8.0', 8, 0),
    ('Pacific War Time,PWT,-7.0', 7, 0),
    ('South Australia Daylight Time,SAD,+10.5', -10, -30),
    ('South Australia Daylight Time,SDT,+10.5', -10, -30),
    ('South Australia Standard Time,SAST,+9.5', -9, -30),
    ('South Australia Standard Time,SAT,+9.5', -9, -30),
    ('South Sumatra Time,SST,+7.0', -7, 0),
    ('Universal Time, UT, 0.0', 0, 0),
    ('USSR Zone 10,UZ10,+11.0', -11, 0),
    ('USSR Zone 3,USZ3,+4.0', -4, 0),
    ('USSR Zone 4,USZ4,+5.0', -5, 0),
    ('USSR Zone 5,USZ5,+6.0', -6, 0),
    ('USSR Zone 6,USZ6,+7.0', -7, 0),
    ('West Africa Time,WAT,-1.0', 1, 0),
    ('Yukon Daylight Time,YDT,-8.0', 8, 0),
    ('Yukon Standard Time,YST,-9.0', 9, 0),
    ('Yukon War Time,YWT,-8.0', 8, 0),
]

# Mean Keplerian elements, ecliptic and equinox J2000, one row per body:
# a [AU], a rate [AU/cy], e, e rate [/cy], then i, node, perihelion and mean
# longitude in degrees, each followed by its rate in arcseconds per century.
# Row 2 is the Earth-Moon barycentre (it yields the Sun).
PLANET_ELEMENTS = [
    (0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645, 573.57, 252.25084, 538101628.29),  # Mercury
    (0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298, -108.80, 181.97973, 210664136.06),  # Venus
    (1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25, 102.94719, 1198.28, 100.46435, 129597740.63),  # Earth-Moon barycentre
    (1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19, 336.04084, 1560.78, 355.45332, 68905103.78),  # Mars
    (5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385, 839.93, 34.40438, 10925078.35),  # Jupiter
    (9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194, -1948.89, 49.94432, 4401052.95),  # Saturn
    (19.19126393, 0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40, 170.96424, 1312.56, 313.23218, 1542547.79),  # Uranus
    (30.06896348, -0.00125196, 0.00858587, 0.00002510, 1.76917, -3.64, 131.72169, -151.25, 44.97135, -844.43, 304.88003, 786449.21),  # Neptune
    (39.48168677, -0.00076912, 0.24880766, 0.00006465, 17.14175, 11.07, 110.30347, -37.33, 224.06676, -132.25, 238.92881, 522747.90),  # Pluto
]
SUN_ROW = 2
# Chart body number of each element row (row 2 gives the Sun, body 0).
ROW_TO_BODY = [2, 3, 0, 4, 5, 6, 7, 8, 9]

# Largest periodic terms of the lunar longitude (Meeus, ELP-2000/82), degrees:
# multiples of D, M, M', F, coefficient, whether the term is scaled by E.
MOON_TERMS = [
    (2, 0, -1, 0, 1.274027, False),
    (0, 0, 1, 0, 6.288774, False),
    (2, 0, 0, 0, 0.658314, False),
    (0, 0, 2, 0, 0.213618, False),
    (0, 1, 0, 0, -0.185116, True),
    (0, 0, 0, 2, -0.114332, False),
    (2, 0, -2, 0, 0.058793, False),
    (2, -1, -1, 0, 0.057066, True),
    (2, 0, 1, 0, 0.053322, False),
    (2, -1, 0, 0, 0.045758, True),
    (0, 1, -1, 0, -0.040923, True),
    (1, 0, 0, 0, -0.034720, False),
    (0, 1, 1, 0, -0.030383, True),
    (2, 0, 0, -2, 0.015327, False),
    (0, 0, 1, 2, -0.012528, False),
    (0, 0, 1, -2, 0.010980, False),
    (4, 0, -1, 0, 0.010675, False),
    (0, 0, 3, 0, 0.010034, False),
    (4, 0, -2, 0, 0.008548, False),
    (2, 1, -1, 0, -0.007888, True),
    (2, 1, 0, 0, -0.006766, True),
    (1, 0, -1, 0, -0.005163, False),
    (1, 1, 0, 0, 0.004987, True),
    (2, -1, 1, 0, 0.004036, True),
    (2, 0, 2, 0, 0.003994, False),
]

# Node reading rows, tested in this order against the north node's sign:
# (test, north sign, north keywords, south sign, south keywords).
NODE_ROWS = [
    ('Lib', 'Libra', 'Overconfident and Well-Balanced', 'Aries', 'Overconfident and Well-Balanced'),
    ('Vir', 'Virgo', 'Generous and Kind', 'Pisces', 'Generous and Kind'),
    ('Leo', 'Leo', 'Introvert, Shy and Timid', 'Aquarius', 'Introvert, Shy and Timid'),
    ('Can', 'Cancer', 'Impulsive and Social', 'Capricorn', 'Impulsive and Social'),
    ('Gem', 'Gemini', 'Impatient and Hasty', 'Sagittarius', 'Impatient and Hasty'),
    ('Tau', 'Taurus', 'Secretive and Mysterious', 'Scorpio', 'Secretive and Mysterious'),
    ('Ari', 'Aries', 'Co-dependent and Indecisive', 'Libra', 'Co-dependency and Indecisiveness'),
    ('Pis', 'Pisces', 'Compassionate and Worried', 'Virgo', 'Compassionate and Worried'),
    ('Aqu', 'Aquarius', 'Domestic and Emotional', 'Leo', 'Domestic and Emotional'),
    ('Cap', 'Capricorn', 'Nostalgic, Coward, Pessimistic and Sensitive', 'Cancer', 'Nostalgic, Coward, Pessimistic and Sensitive'),
    ('Sag', 'Sagittarius', 'Stimulating and Generous', 'Gemini', 'Stimulating and Generous'),
    ('Sco', 'Scorpio', 'Stubborn and Self-Reliant', 'Taurus', 'Stubborn and Self-reliant'),
]

# Sun sign by calendar date (the conventional boundaries): for month m
# (1..12), the last day of the first sign; the first sign runs from day 1 to
# it, the second from the next day on.
SUN_SIGN_BOUNDARIES = {
    1: (19, "Capricorn", "Aquarius"),
    2: (18, "Aquarius", "Pisces"),
    3: (20, "Pisces", "Aries"),
    4: (19, "Aries", "Taurus"),
    5: (20, "Taurus", "Gemini"),
    6: (20, "Gemini", "Cancer"),
    7: (22, "Cancer", "Leo"),
    8: (22, "Leo", "Virgo"),
    9: (22, "Virgo", "Libra"),
    10: (22, "Libra", "Scorpio"),
    11: (21, "Scorpio", "Sagittarius"),
    12: (21, "Sagittarius", "Capricorn"),
}


@dataclass
class Birth:
    """One set of birth details as entered (all integers are the typed values)."""
    year: int
    month: int
    day: int
    hour: int
    minute: int
    zone: int                 # position in ZONES, 0..70
    dst: bool
    lon_deg: int
    lon_min: int
    is_east: bool
    lat_deg: int
    lat_min: int
    is_south: bool
    name: str = "ADA"

    def cli_line(self):
        """The same birth as starwise-cli flags."""
        parts = ["--date", "%04d-%02d-%02d" % (self.year, self.month, self.day),
                 "--time", "%02d:%02d" % (self.hour, self.minute),
                 "--zone", str(self.zone)]
        if self.dst:
            parts.append("--dst")
        parts += ["--lon", "%d:%02d%s" % (self.lon_deg, self.lon_min, "E" if self.is_east else "W"),
                  "--lat", "%d:%02d%s" % (self.lat_deg, self.lat_min, "S" if self.is_south else "N")]
        if self.name:
            parts += ["--name", self.name]
        return " ".join(parts)


# ---------------------------------------------------------------------------
# Angle and time utilities

def int_floor(x):
    """Greatest integer not above x, as a float (the Int of the formulas)."""
    return float(math.floor(x))


def angle_of(y, x):
    """Angle of the point (x, y) in radians, in (-pi, pi], with pi = 3.14159265358979."""
    if x > 0:
        return math.atan(y / x)
    if x == 0:
        if y > 0:
            return PI / 2
        if y < 0:
            return -PI / 2
        return 0.0
    if y == 0:
        return PI
    sign = 1.0 if y > 0 else -1.0
    return sign * (PI - math.atan(abs(y / x)))


def reduce_radians(x):
    """x reduced into [0, 2 pi) by truncation, 2 pi = 6.28318530717958."""
    r = x - TWO_PI * math.trunc(x / TWO_PI)
    if r < 0:
        r += TWO_PI
    return r


def normalize360(x):
    """One turn added or taken away at most: for values within a turn of [0, 360)."""
    if x < 0:
        x += 360
    if x >= 360:
        x -= 360
    return x


def reduce360_repeatedly(x):
    while x >= 360:
        x -= 360
    while x < 0:
        x += 360
    return x


def geographic_longitude(b):
    """Decimal degrees, positive west."""
    lon = b.lon_deg + b.lon_min / 60
    return -lon if b.is_east else lon


def geographic_latitude(b):
    """Decimal degrees, positive north."""
    lat = b.lat_deg + b.lat_min / 60
    return -lat if b.is_south else lat


def zone_offset(zone):
    """(hours, minutes) added to local clock time to get Universal Time."""
    _, h, m = ZONES[zone]
    return h, m


def universal_time_hours(b):
    """Universal time in hours on the LOCAL date (Moon and Ascendant).

    Signed zone offset added to the clock time, one hour taken off for daylight
    saving; not brought into 0..24, the day carry is left to the Julian day.
    """
    zh, zm = zone_offset(b.zone)
    ut = b.hour + b.minute / 60 + zh + zm / 60
    if b.dst:
        ut -= 1
    return ut


def universal_date_time(b):
    """Universal calendar date and time (Sun and planets): a datetime."""
    zh, zm = zone_offset(b.zone)
    t = datetime.datetime(b.year, b.month, b.day, b.hour, b.minute)
    t += datetime.timedelta(hours=zh)
    t += datetime.timedelta(minutes=zm)
    if b.dst:
        t -= datetime.timedelta(hours=1)
    return t


def julian_day_number(month, day, year):
    """Integer day count at noon of the date (Julian calendar up to 15 Oct 1582)."""
    m = 12 * (year + 4800) + month - 3
    j = day + int_floor((365 * m + 7 + 2 * (m - 12 * int_floor(m / 12))) / 12) \
        + int_floor(m / 48) - 32083
    if j > 2299171:
        j = j + int_floor(m / 4800) - int_floor(m / 1200) + 38
    return float(j)


def centuries_since_1900(jdn, ut):
    return (jdn - 2415020 + ut / 24 - 0.5) / 36525


def centuries_since_j2000(jdn, ut):
    return (jdn - 2451545 + ut / 24 - 0.5) / 36525


def day_number_j2000(y, mo, dd, h, mi):
    """Days from 2000 January 1, 12:00 UT (every fourth year a leap year)."""
    d = 367 * y - int_floor(7 * (y + int_floor((mo + 9) / 12)) / 4) \
        + int_floor(275 * mo / 9) + dd - 730531.5
    d = d + (h + mi / 60) / 24
    return d


# ---------------------------------------------------------------------------
# Position texts

def format_long_position(degrees):
    """Long text: degrees, minutes and seconds within the sign, all truncated."""
    v = abs(degrees)
    g = int(math.floor(v))
    mf = 60 * (v - g)
    n = int(math.floor(mf))
    s = int(math.floor(60 * (mf - n)))
    k = g // 30
    while g >= 30:
        g -= 30
    abbr = SIGN_ABBREVIATIONS[3 * k:3 * k + 3]
    return "%d\u00b0 %d' %d\" %s" % (g, n, s, abbr)


def format_short_position(long_text):
    """Short text 'DD Abc MM' made from a long text; the seconds are dropped."""
    t = long_text.strip()
    deg_part = t.split("\u00b0", 1)[0].strip()
    after = t.split("\u00b0", 1)[1] if "\u00b0" in t else ""
    min_part = after.split("'", 1)[0].strip()
    sign_part = long_text[-3:].strip()
    if len(deg_part) <= 1:
        deg_part = "0" + deg_part
    if len(min_part) <= 1:
        min_part = "0" + min_part
    return deg_part + " " + sign_part + " " + min_part


def short_position(degrees):
    return format_short_position(format_long_position(degrees))


# ---------------------------------------------------------------------------
# Sun and planets

def planet_elements(k, d):
    """(a, e, i, node, perihelion, L) of element row k at day number d; angles in radians."""
    a0, ar, e0, er, i0, ir, n0, nr, w0, wr, l0, lr = PLANET_ELEMENTS[k]
    cy = d / 36525
    a = a0 + ar * cy
    e = e0 + er * cy
    i = (i0 + ir * cy / 3600) * RAD_PER_DEG
    node = (n0 + nr * cy / 3600) * RAD_PER_DEG
    peri = (w0 + wr * cy / 3600) * RAD_PER_DEG
    L = reduce_radians((l0 + lr * cy / 3600) * RAD_PER_DEG)
    return a, e, i, node, peri, L


def true_anomaly(M, e):
    """Kepler's equation by Newton's method (at most 100 steps), then the true anomaly."""
    e0 = M + e * math.sin(M) * (1 + e * math.cos(M))
    e1 = e0 - (e0 - e * math.sin(e0) - M) / (1 - e * math.cos(e0))
    steps = 1
    while abs(e0 - e1) > KEPLER_TOLERANCE and steps < KEPLER_MAX_STEPS:
        e0 = e1
        e1 = e0 - (e0 - e * math.sin(e0) - M) / (1 - e * math.cos(e0))
        steps += 1
    nu = 2 * math.atan(math.sqrt((1 + e) / (1 - e)) * math.tan(e1 / 2))
    if nu < 0:
        nu += TWO_PI
    return nu


def heliocentric_xy(k, d):
    """Heliocentric ecliptic x, y of element row k (the barycentre in the ecliptic plane)."""
    a, e, i, node, peri, L = planet_elements(k, d)
    M = reduce_radians(L - peri)
    nu = true_anomaly(M, e)
    r = a * (1 - e * e) / (1 + e * math.cos(nu))
    if k == SUN_ROW:
        return r * math.cos(nu + peri), r * math.sin(nu + peri)
    u = nu + peri - node
    x = r * (math.cos(node) * math.cos(u) - math.sin(node) * math.sin(u) * math.cos(i))
    y = r * (math.sin(node) * math.cos(u) + math.cos(node) * math.sin(u) * math.cos(i))
    return x, y


def general_precession(d):
    """General precession in longitude in degrees, IAU 1976 (Lieske et al. 1977)."""
    cy = d / 36525
    return (5029.0966 * cy + 1.11113 * cy * cy) / 3600


def planet_longitude(k, d):
    """Geocentric ecliptic longitude in degrees [0, 360) of element row k, equinox of date."""
    xe, ye = heliocentric_xy(SUN_ROW, d)
    if k == SUN_ROW:
        x, y = 0.0, 0.0
    else:
        x, y = heliocentric_xy(k, d)
    X = x - xe
    Y = y - ye
    lam_j2000 = reduce360_repeatedly(angle_of(Y, X) * 180 / PI)
    return reduce360_repeatedly(lam_j2000 + general_precession(d))


# ---------------------------------------------------------------------------
# Moon and nodes

def moon_longitude_at(T):
    """Moon's longitude in degrees for T Julian centuries from J2000 (25-term series)."""
    Lp = 218.3164591 + 481267.88134236 * T
    D = (297.8502042 + 445267.1115168 * T) * RAD_PER_DEG
    M = (357.5291092 + 35999.0502909 * T) * RAD_PER_DEG
    Mp = (134.9634114 + 477198.8676313 * T) * RAD_PER_DEG
    F = (93.2720993 + 483202.0175273 * T) * RAD_PER_DEG
    E = 1 - 0.002516 * T - 0.0000074 * T * T
    total = 0.0
    for cd, cm, cmp_, cf, coef, uses_e in MOON_TERMS:
        term = coef * math.sin(cd * D + cm * M + cmp_ * Mp + cf * F)
        if uses_e:
            term *= E
        total += term
    lam = Lp + total
    while lam < 0:
        lam += 360
    while lam >= 360:
        lam -= 360
    return lam


def moon_longitude(b):
    ut = universal_time_hours(b)
    jdn = julian_day_number(b.month, b.day, b.year)
    return moon_longitude_at(centuries_since_j2000(jdn, ut))


def lunar_nodes(d):
    """Mean north and south node in degrees, [0, 360)."""
    n = reduce_radians((125.1228 - 0.0529538083 * d) * RAD_PER_DEG)
    north = n * (180 / PI)
    if north >= 360:
        north -= 360
    south = north + 180
    while south >= 360:
        south -= 360
    return north, south


# ---------------------------------------------------------------------------
# Ascendant

def local_sidereal_degrees(T, ut, lon_west):
    theta = 15 * (6.6460656 + 2400.0513 * T + 0.0000258 * T * T + ut) - lon_west
    while theta >= 360:
        theta -= 360
    return theta


def ascendant_from(theta, T, lat):
    """Ascendant in degrees from sidereal time theta (deg), T (centuries from 1900), latitude."""
    ramc = theta * RAD_PER_DEG
    eps = (23.452294 - 0.0130125 * T) * RAD_PER_DEG
    a = angle_of(math.cos(ramc),
                 -(math.sin(ramc) * math.cos(eps) + math.sin(eps) * math.tan(lat * RAD_PER_DEG)))
    if a < 0:
        a += PI
    if math.cos(ramc) < 0:
        a += PI
    asc = a * DEG_PER_RAD
    while asc >= 360:
        asc -= 360
    asc = normalize360(asc)
    # Inside the polar circles the formula can give the setting point; the
    # Ascendant is the one east of the meridian (hour angle with sin H <= 0).
    lam = asc * RAD_PER_DEG
    alpha = math.atan2(math.sin(lam) * math.cos(eps), math.cos(lam))
    h = ramc - alpha
    if math.sin(h) > 0:
        asc += 180
        if asc >= 360:
            asc -= 360
    return asc


def ascendant(b):
    ut = universal_time_hours(b)
    jdn = julian_day_number(b.month, b.day, b.year)
    T = centuries_since_1900(jdn, ut)
    theta = local_sidereal_degrees(T, ut, geographic_longitude(b))
    return ascendant_from(theta, T, geographic_latitude(b))


# ---------------------------------------------------------------------------
# Reading selections

def degree_index(position_text):
    """1..360: 30 x sign + whole degrees + 1, from a short text 'DD Abc ...'."""
    deg = int(position_text[0:2])
    sign = SIGN_ABBREVIATIONS.index(position_text[3:6]) // 3
    return 30 * sign + deg + 1


def house_of(body_text, ascendant_text):
    """Equal house (1..12) by whole degrees counted from the Ascendant's degree."""
    d = degree_index(body_text)
    a = degree_index(ascendant_text)
    return 1 + ((d - a) % 360) // 30


def aspects(longitudes):
    """Quincunx and semi-sextile pairs among bodies 0..9 as 'Name-Name' lines.

    The difference of body i over body j is taken into [0, 360); pairs ahead by
    at most 180 degrees are tested on the difference rounded half to even.
    """
    quincunx, semi_sextile = [], []
    for i in range(10):
        for j in range(10):
            if i == j:
                continue
            delta = longitudes[i] - longitudes[j]
            if delta < 0:
                delta += 360
            if delta >= 360:
                delta -= 360
            if delta > 180:
                continue
            r = round(delta)
            line = BODY_NAMES[i] + "-" + BODY_NAMES[j]
            if 28 <= r <= 32:
                semi_sextile.append(line)
            elif 147 <= r <= 153:
                quincunx.append(line)
    return {"quincunx": quincunx, "semi_sextile": semi_sextile}


def void_of_course(position_texts):
    """Bodies 0..9 standing in whole degree 27, 28 or 29 of their sign."""
    return [BODY_NAMES[k] for k in range(10) if int(position_texts[k][0:2]) in (27, 28, 29)]


def sun_sign(month, day):
    """Sun sign by the fixed day boundaries of the entered calendar date."""
    last, first, second = SUN_SIGN_BOUNDARIES[month]
    return first if day <= last else second


def sun_cusp(sun_longitude, date_sign):
    """The Sun's text and the two neighbouring signs in zodiac order when the Sun's
    sign differs from the date's sign; None when they agree or are not neighbours."""
    k = int(math.floor(sun_longitude)) // 30
    if date_sign not in SIGN_NAMES:
        return None
    j = SIGN_NAMES.index(date_sign)
    if j == k:
        return None
    if (k + 1) % 12 == j:
        signs = [SIGN_NAMES[k], SIGN_NAMES[j]]
    elif (j + 1) % 12 == k:
        signs = [SIGN_NAMES[j], SIGN_NAMES[k]]
    else:
        return None
    return {"sun_position": short_position(sun_longitude), "signs": signs}


def node_row(north_text):
    """Captions of the node row chosen by characters 4..6 of the north node's text."""
    key = north_text[3:6]
    for test, ns, nk, ss, sk in NODE_ROWS:
        if key == test:
            return {"north_sign": ns, "north_keywords": nk, "south_sign": ss, "south_keywords": sk}
    return None


# ---------------------------------------------------------------------------
# Whole chart and reading, in the shape of starwise-cli's JSON

def reading(b):
    ut_hours = universal_time_hours(b)
    jdn = julian_day_number(b.month, b.day, b.year)
    t = universal_date_time(b)
    d = day_number_j2000(t.year, t.month, t.day, t.hour, t.minute)

    longitudes = [0.0] * 11
    for row in range(9):
        longitudes[ROW_TO_BODY[row]] = planet_longitude(row, d)
    longitudes[1] = moon_longitude(b)
    longitudes[10] = ascendant(b)
    texts = [short_position(x) for x in longitudes]
    north, south = lunar_nodes(d)
    north_text = short_position(north)
    south_text = short_position(south)

    return {
        "ut_hours": ut_hours,
        "ut_date": "%04d-%02d-%02d" % (t.year, t.month, t.day),
        "ut_time": "%02d:%02d" % (t.hour, t.minute),
        "jdn": int(jdn),
        "d": d,
        "bodies": [{"name": BODY_NAMES[k], "longitude": longitudes[k], "position": texts[k]}
                   for k in range(11)],
        "north_node": north_text,
        "south_node": south_text,
        "sun_sign": sun_sign(b.month, b.day),
        "sun_cusp": sun_cusp(longitudes[0], sun_sign(b.month, b.day)),
        "node_row": node_row(north_text),
        "houses": [house_of(texts[k], texts[10]) for k in range(10)],
        "aspects": aspects(longitudes),
        "void_of_course": void_of_course(texts),
        "failed_steps": [],
    }


if __name__ == "__main__":
    import json
    import sys
    demo = Birth(1980, 7, 15, 6, 30, 29, False, 0, 0, True, 0, 0, False)
    json.dump(reading(demo), sys.stdout, indent=1, ensure_ascii=False)
    print()
