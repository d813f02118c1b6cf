"""Computed question families of the Basic pool.

Each family takes a list of value sets and returns one question per set,
rotating among a few wordings.  Answers are computed exactly (Fraction or
Decimal) and rounded once when printed; the wrong answers are the results
of typical slips (a forgotten square, a decade error, the reciprocal
formula), never random numbers.
"""

from fractions import Fraction as F

from basic_util import PI, calc, dec, fixed, log10, num, si, sqrt, unit

OHM = unit("ohm")
A = unit("A")
V = unit("V")
W = unit("W")
HZ = unit("Hz")
S = lambda v, lang: si(v, "s", lang, 3, top=0)


def _v(x, u, lang, sig=3):
    return si(x, u, lang, sig)


def _pick(i, wordings):
    return wordings[i % len(wordings)]


def family(values, make):
    return [make(i, *v) if isinstance(v, tuple) else make(i, v) for i, v in enumerate(values)]


# --- Ohm's law -------------------------------------------------------------

def ohm_i(values):
    def make(i, v, r):
        v, r = F(v), F(r)
        c = v / r
        en, fr = _pick(i, [
            ("A resistor of %s in a test circuit has %s measured across its terminals. What current flows through it?",
             "Dans un circuit d'essai, une résistance de %s présente une tension de %s mesurée à ses bornes. Quel courant la traverse ?"),
            ("While checking a circuit board, a voltmeter reads %s across a resistor of %s. What current flows in the resistor?",
             "En vérifiant une carte électronique, un voltmètre indique %s aux bornes d'une résistance de %s. Quel courant circule dans cette résistance ?"),
            ("A source of %s with negligible internal resistance is connected to a purely resistive load of %s. What current flows in the load?",
             "Une source de %s, de résistance interne négligeable, est reliée à une charge purement résistive de %s. Quel courant circule dans la charge ?"),
        ])
        if i % 3 == 0:
            args = lambda lang: (_v(r, "ohm", lang), _v(v, "V", lang))
        else:
            args = lambda lang: (_v(v, "V", lang), _v(r, "ohm", lang))
        return calc(en % args("en"), fr % args("fr"), [c, c * 10, c / 10, c * 2, c / 2], A)
    return family(values, make)


def ohm_v(values):
    def make(i, cur, r):
        cur, r = F(cur), F(r)
        c = cur * r
        en, fr = _pick(i, [
            ("In a transistor stage, a resistor of %s carries a steady current of %s. What voltage appears across the resistor?",
             "Dans un étage à transistor, une résistance de %s est parcourue par un courant continu de %s. Quelle tension apparaît à ses bornes ?"),
            ("During a bench test, what voltage must be applied to a resistor of %s to make a current of %s flow through it?",
             "Lors d'un essai à l'établi, quelle tension faut-il appliquer à une résistance de %s pour y faire circuler un courant de %s ?"),
            ("A series resistor of %s in the supply lead of a small circuit carries %s. What is the voltage drop across it?",
             "Une résistance série de %s, placée dans le fil d'alimentation d'un petit montage, est parcourue par %s. Quelle est la chute de tension à ses bornes ?"),
        ])
        args = lambda lang: (_v(r, "ohm", lang), _v(cur, "A", lang))
        return calc(en % args("en"), fr % args("fr"), [c, c * 10, c / 10, c / 2, c * 2], V)
    return family(values, make)


def ohm_r(values):
    def make(i, v, cur):
        v, cur = F(v), F(cur)
        c = v / cur
        en, fr = _pick(i, [
            ("A current of %s flows when %s is applied to an unmarked resistor taken from the spares box. What is its resistance?",
             "Un courant de %s circule quand on applique %s à une résistance sans marquage tirée du tiroir de pièces. Quelle est sa valeur ?"),
            ("An indicator needs its current limited to %s when fed from a %s supply. What total series resistance gives that current?",
             "Un voyant doit voir son courant limité à %s sur une alimentation de %s. Quelle résistance série totale donne ce courant ?"),
            ("A small pilot lamp draws %s from a %s battery. What is the resistance of its filament while it is lit?",
             "Une petite lampe témoin consomme %s sur une batterie de %s. Quelle est la résistance de son filament lorsqu'elle est allumée ?"),
        ])
        args = lambda lang: (_v(cur, "A", lang), _v(v, "V", lang))
        return calc(en % args("en"), fr % args("fr"), [c, c * 10, c / 10, c * 2, c / 2], OHM)
    return family(values, make)


# --- Power -----------------------------------------------------------------

def power_vi(values):
    def make(i, v, cur):
        v, cur = F(v), F(cur)
        c = v * cur
        en, fr = _pick(i, [
            ("On full-power transmit, a transceiver draws %s from a %s supply. What power does it take from the supply?",
             "En émission à pleine puissance, un émetteur-récepteur consomme %s sur une alimentation de %s. Quelle puissance prélève-t-il ?"),
            ("What power is dissipated in a resistive load that carries %s with %s measured across it?",
             "Quelle puissance est dissipée dans une charge résistive parcourue par %s, avec %s mesurés à ses bornes ?"),
            ("A mains-powered amplifier takes %s at %s. What input power does it draw from the mains?",
             "Un amplificateur alimenté par le secteur consomme %s sous %s. Quelle puissance absorbe-t-il sur le secteur ?"),
        ])
        args = lambda lang: (_v(cur, "A", lang), _v(v, "V", lang))
        return calc(en % args("en"), fr % args("fr"), [c, v / cur, c * 10, c / 10, c / 2], W)
    return family(values, make)


def power_i2r(values):
    def make(i, cur, r):
        cur, r = F(cur), F(r)
        c = cur * cur * r
        en, fr = _pick(i, [
            ("A resistor of %s in a dummy load carries a steady current of %s. What power is dissipated in it as heat?",
             "Une résistance de %s d'une charge fictive est parcourue par un courant constant de %s. Quelle puissance y est dissipée en chaleur ?"),
            ("A dummy load of %s is fed with an RF current of %s (RMS), measured with an RF ammeter. What power does it absorb?",
             "Une charge fictive de %s reçoit un courant HF de %s (efficace), mesuré avec un ampèremètre HF. Quelle puissance absorbe-t-elle ?"),
        ])
        args = lambda lang: (_v(r, "ohm", lang), _v(cur, "A", lang))
        return calc(en % args("en"), fr % args("fr"), [c, cur * r, c * 2, c / 2, c * 10], W)
    return family(values, make)


def power_v2r(values):
    def make(i, v, r):
        v, r = F(v), F(r)
        c = v * v / r
        en, fr = _pick(i, [
            ("What power does a resistor of %s dissipate with %s across it, and so what rating must it at least have?",
             "Quelle puissance dissipe une résistance de %s soumise à %s, et donc quelle puissance nominale doit-elle au moins avoir ?"),
            ("An RF voltage of %s (RMS) is measured with a probe across a dummy load of %s. What power is the load absorbing?",
             "On mesure avec une sonde une tension HF de %s (efficace) aux bornes d'une charge fictive de %s. Quelle puissance la charge absorbe-t-elle ?"),
        ])
        if i % 2 == 0:
            args = lambda lang: (_v(r, "ohm", lang), _v(v, "V", lang))
        else:
            args = lambda lang: (_v(v, "V", lang), _v(r, "ohm", lang))
        return calc(en % args("en"), fr % args("fr"), [c, v / r, c * 2, c / 2, c * 10], W)
    return family(values, make)


def current_pv(values):
    def make(i, p, v):
        p, v = F(p), F(v)
        c = p / v
        en, fr = _pick(i, [
            ("Assuming no losses, what current does a %s device draw from a %s supply?",
             "En supposant qu'il n'y ait aucune perte, quel courant un appareil de %s consomme-t-il sur une alimentation de %s ?"),
            ("A %s soldering iron for portable use runs from a %s battery. What current does it take?",
             "Un fer à souder de %s pour le trafic portable fonctionne sur une batterie de %s. Quel courant consomme-t-il ?"),
            ("A low-power transmitter takes %s of DC input power at %s. What current does the supply deliver?",
             "Un émetteur de faible puissance absorbe une puissance continue de %s sous %s. Quel courant l'alimentation fournit-elle ?"),
        ])
        args = lambda lang: (_v(p, "W", lang), _v(v, "V", lang))
        return calc(en % args("en"), fr % args("fr"), [c, v / p, c * 10, c / 10, c * 2], A)
    return family(values, make)


# --- Combinations ----------------------------------------------------------

def _list(vals, u, lang):
    items = [_v(x, u, lang) for x in vals]
    sep = " and " if lang == "en" else " et "
    return ", ".join(items[:-1]) + sep + items[-1]


def _par(vals):
    return 1 / sum(1 / F(x) for x in vals)


def r_series(values):
    def make(i, vals):
        vals = [F(x) for x in vals]
        c = sum(vals)
        en, fr = _pick(i, [
            ("To make an unusual value, resistors of %s are connected in series. What is the total resistance?",
             "Pour obtenir une valeur inhabituelle, on monte en série des résistances de %s. Quelle est la résistance totale ?"),
            ("What single resistor could replace %s wired in series on a circuit board?",
             "Quelle résistance unique pourrait remplacer %s câblées en série sur une carte ?"),
        ])
        wrong = [c, _par(vals), c / len(vals), c * 10, max(vals)]
        return calc(en % _list(vals, "ohm", "en"), fr % _list(vals, "ohm", "fr"), wrong, OHM)
    return family(values, make)


def r_parallel(values):
    def make(i, vals):
        vals = [F(x) for x in vals]
        c = _par(vals)
        en, fr = _pick(i, [
            ("To spread the heat, resistors of %s are connected in parallel. What is the total resistance?",
             "Pour répartir la chaleur, on monte en parallèle des résistances de %s. Quelle est la résistance équivalente ?"),
            ("What resistance is seen across %s wired in parallel?",
             "Quelle résistance voit-on aux bornes de %s câblées en parallèle ?"),
        ])
        wrong = [c, sum(vals), sum(vals) / len(vals), c * 2, c / 2]
        return calc(en % _list(vals, "ohm", "en"), fr % _list(vals, "ohm", "fr"), wrong, OHM)
    return family(values, make)


def c_combo(values):
    """(kind, [values in farads]) with kind 'series' or 'parallel'."""
    def make(i, kind, vals):
        vals = [F(x) for x in vals]
        c = sum(vals) if kind == "parallel" else _par(vals)
        other = _par(vals) if kind == "parallel" else sum(vals)
        en_k, fr_k = ("parallel", "parall\u00e8le") if kind == "parallel" else ("series", "s\u00e9rie")
        en, fr = _pick(i, [
            ("When the exact value is not in the spares box, capacitors of %s are connected in %s. What is the total capacitance?",
             "Faute de la valeur exacte dans le tiroir, on monte des condensateurs de %s en %s. Quelle est la capacité totale ?"),
            ("What capacitance do %s give when they are wired in %s?",
             "Quelle capacité obtient-on avec %s lorsqu'ils sont câblés en %s ?"),
        ])
        wrong = [c, other, c * 2, c / 2, c * 10]
        return calc(en % (_list(vals, "F", "en"), en_k), fr % (_list(vals, "F", "fr"), fr_k), wrong, unit("F"))
    return family(values, make)


def l_combo(values):
    """(kind, [values in henrys]), coils far apart so they do not couple."""
    def make(i, kind, vals):
        vals = [F(x) for x in vals]
        c = sum(vals) if kind == "series" else _par(vals)
        other = _par(vals) if kind == "series" else sum(vals)
        en_k, fr_k = ("parallel", "parall\u00e8le") if kind == "parallel" else ("series", "s\u00e9rie")
        en = "Inductors of %s, well apart so that they do not couple, are connected in %s. What is the total inductance?"
        fr = "Des bobines de %s, assez \u00e9loign\u00e9es pour ne pas \u00eatre coupl\u00e9es, sont mont\u00e9es en %s. Quelle est l'inductance totale ?"
        wrong = [c, other, c * 2, c / 2, c * 10]
        return calc(en % (_list(vals, "H", "en"), en_k), fr % (_list(vals, "H", "fr"), fr_k), wrong, unit("H"))
    return family(values, make)


# --- Reactance and resonance -----------------------------------------------

def xl(values):
    def make(i, f, l):
        f, l = dec(f), dec(l)
        c = 2 * PI * f * l
        en, fr = _pick(i, [
            ("What is the reactance of a %s inductor in a filter working at %s?",
             "Quelle est la réactance d'une bobine de %s dans un filtre travaillant à %s ?"),
            ("A coil of %s, with negligible resistance, is used at %s. What is its inductive reactance?",
             "Une bobine de %s, de résistance négligeable, est utilisée à %s. Quelle est sa réactance inductive ?"),
        ])
        args = lambda lang: (_v(l, "H", lang), _v(f, "Hz", lang))
        return calc(en % args("en"), fr % args("fr"),
                    [c, f * l, c * 10, c / 10, 1 / c], OHM)
    return family(values, make)


def xc(values):
    def make(i, f, cap):
        f, cap = dec(f), dec(cap)
        c = 1 / (2 * PI * f * cap)
        en, fr = _pick(i, [
            ("What is the reactance of a %s capacitor in a tuned circuit working at %s?",
             "Quelle est la réactance d'un condensateur de %s dans un circuit accordé travaillant à %s ?"),
            ("A %s capacitor is used for coupling at %s. What is its capacitive reactance?",
             "Un condensateur de %s sert de liaison à %s. Quelle est sa réactance capacitive ?"),
        ])
        args = lambda lang: (_v(cap, "F", lang), _v(f, "Hz", lang))
        return calc(en % args("en"), fr % args("fr"), [c, c * 2 * PI, c * 10, c / 10, c * 1000], OHM)
    return family(values, make)


def resonance(values):
    def make(i, l, cap):
        l, cap = dec(l), dec(cap)
        c = 1 / (2 * PI * sqrt(l * cap))
        en, fr = _pick(i, [
            ("What is the resonant frequency of a tuned circuit made of a %s inductor and a %s capacitor, ignoring stray capacitance?",
             "Quelle est la fréquence de résonance d'un circuit accordé formé d'une bobine de %s et d'un condensateur de %s, capacités parasites négligées ?"),
            ("A tuned circuit in a home-built receiver uses %s of inductance with %s of capacitance. At what frequency does it resonate?",
             "Un circuit accordé d'un récepteur de fabrication personnelle comporte une inductance de %s et une capacité de %s. À quelle fréquence résonne-t-il ?"),
        ])
        args = lambda lang: (_v(l, "H", lang), _v(cap, "F", lang))
        return calc(en % args("en"), fr % args("fr"), [c, c * 2 * PI, c * 10, c / 10, c / 2], HZ)
    return family(values, make)


def bandwidth_q(values):
    def make(i, f, qf):
        f, qf = F(f), F(qf)
        c = f / qf
        en = "A tuned circuit in the front end of a receiver, resonant at %s, has a loaded Q of %s. What is its bandwidth between the half-power points?"
        fr = "Un circuit accordé de l'étage d'entrée d'un récepteur, résonnant à %s, a un coefficient de qualité en charge Q de %s. Quelle est sa bande passante à mi-puissance ?"
        args = lambda lang: (_v(f, "Hz", lang), num(qf, lang))
        return calc(en % args("en"), fr % args("fr"), [c, c * 2, c / 2, c * 10, c / 10], HZ)
    return family(values, make)


# --- AC values -------------------------------------------------------------

def rms_peak(values):
    """(kind, value): kind 'peak' gives the peak of an RMS value, 'pp' the
    peak-to-peak of an RMS value, 'rms' the RMS of a peak value."""
    def make(i, kind, x):
        x = dec(x)
        r2 = sqrt(2)
        if kind == "peak":
            c, wrong = x * r2, [x / r2, x * 2 * r2, x * 2]
            en = "A sine-wave mains supply has an RMS value of %s. What is its peak value?"
            fr = "Une tension sinusoïdale du secteur a une valeur efficace de %s. Quelle est sa valeur de crête ?"
        elif kind == "pp":
            c, wrong = x * 2 * r2, [x * r2, x * 2, x / r2]
            en = "A sine wave from a signal generator has an RMS value of %s. What peak-to-peak value will an oscilloscope show?"
            fr = "Une tension sinusoïdale issue d'un générateur a une valeur efficace de %s. Quelle valeur crête à crête un oscilloscope affichera-t-il ?"
        else:
            c, wrong = x / r2, [x * r2, x / 2, x * 2]
            en = "An oscilloscope shows a sine wave with a peak value of %s. What RMS value would a true-RMS voltmeter read?"
            fr = "Un oscilloscope affiche une sinusoïde de %s crête. Quelle valeur efficace lirait un voltmètre à valeur efficace vraie ?"
        return calc(en % _v(x, "V", "en"), fr % _v(x, "V", "fr"), [c] + wrong, V)
    return family(values, make)


def period(values):
    """(kind, value): 'T' asks the period of a frequency, 'f' the frequency of a period."""
    def make(i, kind, x):
        x = F(x)
        c = 1 / x
        if kind == "T":
            en = "A signal generator is set to %s. What is the period of one cycle of its output?"
            fr = "Un générateur de signaux est réglé sur %s. Quelle est la période d'un cycle de son signal de sortie ?"
            u, fmt = "Hz", S
        else:
            en = "On an oscilloscope screen, one complete cycle of a steady signal lasts %s. What is the frequency of the signal?"
            fr = "Sur l'écran d'un oscilloscope, un cycle complet d'un signal stable dure %s. Quelle est la fréquence du signal ?"
            u, fmt = "s", HZ
        return calc(en % _v(x, u, "en"), fr % _v(x, u, "fr"), [c, c * 1000, c / 1000, c * 10, c / 10], fmt)
    return family(values, make)


def time_constant(values):
    def make(i, r, cap):
        r, cap = F(r), F(cap)
        c = r * cap
        en = "In the delay circuit of a keyer, what is the time constant of a resistor of %s in series with a capacitor of %s?"
        fr = "Dans le circuit de temporisation d'un manipulateur, quelle est la constante de temps d'une résistance de %s en série avec un condensateur de %s ?"
        if i % 2:
            en = "In an AGC circuit, a resistor of %s charges a capacitor of %s. How long is one time constant?"
            fr = "Dans un circuit de CAG, une résistance de %s charge un condensateur de %s. Quelle est la durée d'une constante de temps ?"
        args = lambda lang: (_v(r, "ohm", lang), _v(cap, "F", lang))
        return calc(en % args("en"), fr % args("fr"), [c, c * 1000, c / 1000, c * 10, c / 10], S)
    return family(values, make)


def divider(values):
    def make(i, vin, r1, r2):
        vin, r1, r2 = F(vin), F(r1), F(r2)
        c = vin * r2 / (r1 + r2)
        en = ("A voltage divider across a %s supply has %s at the top and %s at the bottom. With no load "
              "connected, what voltage appears across the bottom resistor?")
        fr = ("Un pont diviseur branché sur une alimentation de %s comporte %s en haut et %s en bas. Sans "
              "charge, quelle tension apparaît aux bornes de la résistance du bas ?")
        args = lambda lang: (_v(vin, "V", lang), _v(r1, "ohm", lang), _v(r2, "ohm", lang))
        return calc(en % args("en"), fr % args("fr"),
                    [c, vin * r1 / (r1 + r2), vin * r2 / r1, vin / 2, c / 2], V)
    return family(values, make)


def turns(values):
    def make(i, vp, np_, ns):
        vp, np_, ns = F(vp), F(np_), F(ns)
        c = vp * ns / np_
        en = ("A transformer has %s turns on its primary and %s on its secondary. With %s on the primary, "
              "what is the secondary voltage?")
        fr = ("Un transformateur a %s spires au primaire et %s au secondaire. Avec %s au primaire, "
              "quelle est la tension au secondaire ?")
        args = lambda lang: (num(np_, lang), num(ns, lang), _v(vp, "V", lang))
        return calc(en % args("en"), fr % args("fr"), [c, vp * np_ / ns, vp, c * 2, c / 2], V)
    return family(values, make)


# --- Decibels --------------------------------------------------------------

def db_ratio(values):
    """(p_in, p_out) in watts: gain or loss in dB, rounded to 0.1 dB."""
    def make(i, pin, pout):
        pin, pout = F(pin), F(pout)
        c = 10 * log10(dec(pout / pin))
        en, fr = _pick(i, [
            ("A linear amplifier turns %s of drive from the transceiver into %s of output. What is its gain in decibels?",
             "Un amplificateur linéaire transforme %s d'excitation venant de l'émetteur-récepteur en %s de sortie. Quel est son gain en décibels ?"),
            ("A long feed line receives %s from the transmitter and delivers %s to the antenna. What is its loss in decibels?",
             "Une longue ligne reçoit %s de l'émetteur et délivre %s à l'antenne. Quelle est sa perte en décibels ?"),
        ])
        if i % 2:
            c = -c
        args = lambda lang: (_v(pin, "W", lang), _v(pout, "W", lang))
        fmt = lambda v, lang: "%s dB" % num(dec(v).quantize(dec("0.1")).normalize() if dec(v) else 0, lang, 3)
        return calc(en % args("en"), fr % args("fr"), [c, 2 * c, c / 2, c + 10, c - 3], fmt)
    return family(values, make)


def db_power(values):
    """(p, dB): power after a gain or loss, 'about' since 3 dB is 1.995 times."""
    def make(i, p, db):
        p, db = F(p), int(db)
        ratio = dec(10) ** (dec(db) / 10)
        c = dec(p) * ratio
        if db >= 0:
            en = "The %s output of a transceiver is fed to an amplifier with a gain of %s dB. About what power comes out?"
            fr = "Les %s de sortie d'un émetteur-récepteur attaquent un amplificateur de %s dB de gain. Quelle puissance obtient-on environ ?"
        else:
            en = "A transmitter sends %s into a coaxial cable with a total loss of %s dB. About what power reaches the far end?"
            fr = "Un émetteur envoie %s dans un câble coaxial de %s dB de perte totale. Quelle puissance arrive environ à l'autre bout ?"
        args = lambda lang: (_v(p, "W", lang), num(abs(db), lang))
        wrong = [c, dec(p) * abs(db) if db > 0 else dec(p) / abs(db) / 2, dec(p) + db, c * 2, c / 2, c * 10]
        return calc(en % args("en"), fr % args("fr"), wrong, unit("W", 2))
    return family(values, make)


def dbm(values):
    def make(i, p):
        p = F(p)
        c = 10 * log10(dec(p * 1000))
        en = "A test signal has a power of %s. What is that power expressed in dBm (decibels relative to one milliwatt)?"
        fr = "Un signal d'essai a une puissance de %s. Combien vaut cette puissance exprimée en dBm (décibels par rapport à un milliwatt) ?"
        fmt = lambda v, lang: "%s dBm" % num(dec(v).quantize(dec(1)), lang, 3)
        return calc(en % _v(p, "W", "en"), fr % _v(p, "W", "fr"), [c, c - 30, c + 30, c * 2, c / 2], fmt)
    return family(values, make)


def erp(values):
    """(power W, line loss dB, antenna gain dBd)."""
    def make(i, p, loss, gain):
        p = F(p)
        net = gain - loss
        c = dec(p) * dec(10) ** (dec(net) / 10)
        en = ("A transmitter delivers %s into a feed line with %s dB of loss, feeding an antenna with a gain of %s dBd. "
              "About what is the effective radiated power?")
        fr = ("Un \u00e9metteur d\u00e9livre %s dans une ligne de %s dB de perte qui alimente une antenne de %s dBd de gain. "
              "Quelle est environ la puissance apparente rayonn\u00e9e ?")
        args = lambda lang: (_v(p, "W", lang), num(loss, lang), num(gain, lang))
        wrong = [c, dec(p) * dec(10) ** (dec(gain + loss) / 10), dec(p), c * 2, c / 2, dec(p) * gain]
        return calc(en % args("en"), fr % args("fr"), wrong, unit("W", 2))
    return family(values, make)


# --- Wavelength and antennas -----------------------------------------------

def _m(lang, sig=3):
    return lambda v, l: "%s m" % num(v, l, sig)


def wavelength(values):
    def make(i, f):
        f = F(f)
        c = 300 / f
        en, fr = _pick(i, [
            ("What is the free-space wavelength of a signal on %s, taking radio waves to travel at 300,000 km per second?",
             "Quelle est la longueur d'onde dans le vide d'un signal sur %s, les ondes radio se propageant à 300 000 km par seconde ?"),
            ("A station transmits on %s. What is the wavelength of its signal in free space?",
             "Une station émet sur %s. Quelle est la longueur d'onde de son signal dans le vide ?"),
        ])
        return calc(en % plain(f, "MHz", "en"), fr % plain(f, "MHz", "fr"),
                    [c, c / 2, c * 2, c * 10, c / 10], _m(None))
    return family(values, make)


def plain(x, u, lang):
    return "%s %s" % (num(x, lang, 6), u)


def frequency_of(values):
    def make(i, lam):
        lam = F(lam)
        c = 300 / lam
        en = "What frequency corresponds to a free-space wavelength of %s m, taking radio waves to travel at 300,000 km per second?"
        fr = "Quelle fréquence correspond à une longueur d'onde de %s m dans le vide, les ondes radio se propageant à 300 000 km par seconde ?"
        if i % 2:
            en = "A signal has a wavelength of %s m in free space. What is its frequency?"
            fr = "Un signal a une longueur d'onde de %s m dans le vide. Quelle est sa fréquence ?"
        return calc(en % num(lam, "en", 6), fr % num(lam, "fr", 6),
                    [c, c * 2, c / 2, c * 10, c / 10], fixed("MHz", sig=4))
    return family(values, make)


def dipole(values):
    """Practical half-wave dipole: free-space half wave shortened by 5 %."""
    def make(i, f):
        f = F(f)
        c = F(285, 2) / f
        en = ("A practical half-wave dipole is cut about 5 %% shorter than a free-space half wavelength. "
              "About how long should a dipole for %s be?")
        fr = ("Un dip\u00f4le demi-onde pratique est coup\u00e9 environ 5 %% plus court qu'une demi-longueur d'onde "
              "dans le vide. Quelle longueur environ faut-il pour un dip\u00f4le sur %s ?")
        return calc(en % plain(f, "MHz", "en"), fr % plain(f, "MHz", "fr"),
                    [c, c * 2, c / 2, c * 4, c / 10], _m(None, 2))
    return family(values, make)


def half_wave(values):
    def make(i, f):
        f = F(f)
        c = F(150) / f
        en = "Before cutting a wire antenna, an amateur works out the free-space half wavelength at %s. How long is it?"
        fr = "Avant de couper une antenne filaire, un radioamateur calcule la demi-longueur d'onde dans le vide à %s. Combien mesure-t-elle ?"
        return calc(en % plain(f, "MHz", "en"), fr % plain(f, "MHz", "fr"),
                    [c, c * 2, c / 2, c * 10, c / 10], _m(None))
    return family(values, make)


def quarter_wave(values):
    def make(i, f):
        f = F(f)
        c = F(285, 4) / f
        en = ("A quarter-wave vertical is cut about 5 %% shorter than a free-space quarter wavelength. "
              "About how tall should the radiator be for %s?")
        fr = ("Une verticale quart d'onde est coup\u00e9e environ 5 %% plus courte qu'un quart de longueur d'onde "
              "dans le vide. Quelle hauteur environ faut-il donner au brin rayonnant pour %s ?")
        return calc(en % plain(f, "MHz", "en"), fr % plain(f, "MHz", "fr"),
                    [c, c * 2, c / 2, c * 4, c / 10], _m(None, 2))
    return family(values, make)


def coax_length(values):
    """(f MHz, velocity factor, fraction of a wavelength as 'half' or 'quarter')."""
    def make(i, f, vf, part):
        f, vf = F(f), F(vf)
        k = F(150) if part == "half" else F(75)
        c = k * vf / f
        en_p, fr_p = ("half", "d'une demi-longueur") if part == "half" else ("quarter", "d'un quart de longueur")
        en = "What is the physical length of an electrical %s wavelength of coaxial cable with a velocity factor of %s at %s?"
        fr = "Quelle est la longueur physique %s d'onde \u00e9lectrique de c\u00e2ble coaxial de coefficient de v\u00e9locit\u00e9 %s \u00e0 %s ?"
        args = lambda lang, p: (p, num(vf, lang), plain(f, "MHz", lang))
        return calc(en % args("en", en_p), fr % args("fr", fr_p),
                    [c, k / f, k / f / vf, c * 2, c / 2], _m(None))
    return family(values, make)


def swr(values):
    def make(i, z):
        z = F(z)
        c = max(z, F(50)) / min(z, F(50))
        en, fr = _pick(i, [
            ("A 50-ohm feed line is terminated in a purely resistive load of %s. What is the SWR on the line?",
             "Une ligne de 50 ohms est ferm\u00e9e sur une charge purement r\u00e9sistive de %s. Quel est le ROS sur la ligne ?"),
            ("What SWR results when an antenna with a purely resistive impedance of %s is fed with 50-ohm coaxial cable?",
             "Quel ROS obtient-on quand une antenne d'imp\u00e9dance purement r\u00e9sistive de %s est aliment\u00e9e par un c\u00e2ble coaxial de 50 ohms ?"),
        ])
        fmt = lambda v, lang: "%s:1" % num(v, lang, 3)
        return calc(en % si(z, "ohm", "en"), fr % si(z, "ohm", "fr"),
                    [c, c + 1, c * 2, c + F(1, 2), F(1)], fmt)
    return family(values, make)


# --- Receivers and transmitters ----------------------------------------------

def mhz(lang, sig=6):
    return lambda v, l: "%s MHz" % num(v, l, sig)


def image(values):
    def make(i, f, ifreq):
        f, ifreq = F(f), F(ifreq)
        c = f + 2 * ifreq
        en = ("A superheterodyne receiver tuned to %s has an IF of %s, with its local oscillator above the signal. "
              "On what frequency is its image?")
        fr = ("Un r\u00e9cepteur superh\u00e9t\u00e9rodyne accord\u00e9 sur %s a une FI de %s, son oscillateur local \u00e9tant "
              "au-dessus du signal. Sur quelle fr\u00e9quence se trouve sa fr\u00e9quence image ?")
        args = lambda lang: (plain(f, "MHz", lang), plain(ifreq, "MHz", lang))
        return calc(en % args("en"), fr % args("fr"),
                    [c, f + ifreq, abs(f - ifreq), abs(f - 2 * ifreq), f + 3 * ifreq], mhz(None))
    return family(values, make)


def local_osc(values):
    def make(i, f, ifreq, above):
        f, ifreq = F(f), F(ifreq)
        c = f + ifreq if above else f - ifreq
        where_en, where_fr = ("above", "au-dessus du") if above else ("below", "au-dessous du")
        en = "A receiver with an IF of %s tunes %s with its local oscillator %s the signal. What is the oscillator frequency?"
        fr = "Un r\u00e9cepteur \u00e0 FI de %s est accord\u00e9 sur %s, son oscillateur local \u00e9tant %s signal. Quelle est la fr\u00e9quence de l'oscillateur ?"
        args = lambda lang, w: (plain(ifreq, "MHz", lang), plain(f, "MHz", lang), w)
        if above:
            wrong = [f - ifreq, f + 2 * ifreq, ifreq]
        else:
            wrong = [f + ifreq, abs(f - 2 * ifreq), ifreq, f + 2 * ifreq]
        return calc(en % args("en", where_en), fr % args("fr", where_fr), [c] + wrong, mhz(None))
    return family(values, make)


def harmonic(values):
    def make(i, f, n):
        f = F(f)
        c = f * n
        names_en = {2: "second", 3: "third", 4: "fourth", 5: "fifth"}
        en, fr = _pick(i, [
            ("On what frequency does the %s harmonic of a %s transmission fall, if it is not properly filtered?",
             "Sur quelle fréquence tombe l'harmonique %s d'une émission sur %s, s'il n'est pas correctement filtré ?"),
            ("A transmitter on %s is suspected of radiating its %s harmonic. On what frequency should you listen for it?",
             "On soup\u00e7onne un \u00e9metteur sur %s de rayonner son harmonique %s. Sur quelle fr\u00e9quence faut-il l'\u00e9couter ?"),
        ])
        if i % 2 == 0:
            e = en % (names_en[n], plain(f, "MHz", "en"))
            r = fr % (_rang(n), plain(f, "MHz", "fr"))
        else:
            e = en % (plain(f, "MHz", "en"), names_en[n])
            r = fr % (plain(f, "MHz", "fr"), _rang(n))
        return calc(e, r, [c, f * (n + 1), f * (n - 1) if n > 2 else f * F(3, 2), f / 2], mhz(None))
    return family(values, make)


def _rang(n):
    return {2: "de rang 2", 3: "de rang 3", 4: "de rang 4", 5: "de rang 5"}[n]


def ssb_edge(values):
    """(suppressed-carrier frequency kHz, bandwidth kHz, 'usb' or 'lsb')."""
    def make(i, f, bw, side):
        f, bw = F(f), F(bw)
        if side == "usb":
            c, wrong = f + bw, [f - bw, f + bw / 2, f]
            en = "On upper sideband, with the suppressed carrier on %s and a transmitted bandwidth of %s, what is the highest frequency the signal occupies?"
            fr = "En bande lat\u00e9rale sup\u00e9rieure, avec la porteuse supprim\u00e9e sur %s et une largeur de bande \u00e9mise de %s, quelle est la fr\u00e9quence la plus haute occup\u00e9e ?"
        else:
            c, wrong = f - bw, [f + bw, f - bw / 2, f]
            en = "On lower sideband, with the suppressed carrier on %s and a transmitted bandwidth of %s, what is the lowest frequency the signal occupies?"
            fr = "En bande lat\u00e9rale inf\u00e9rieure, avec la porteuse supprim\u00e9e sur %s et une largeur de bande \u00e9mise de %s, quelle est la fr\u00e9quence la plus basse occup\u00e9e ?"
        fmt = lambda v, lang: "%s kHz" % num(v, lang, 8)
        args = lambda lang: (fmt(f, lang), fmt(bw, lang))
        return calc(en % args("en"), fr % args("fr"), [c] + wrong, fmt)
    return family(values, make)


def utc(values):
    """(local hh, mm, offset hours east of UTC)."""
    def make(i, hh, mm, off):
        t = (hh * 60 + mm - off * 60) % 1440
        wrong = [(hh * 60 + mm + off * 60) % 1440, hh * 60 + mm, (t - 60) % 1440]
        def fmt(v, lang):
            h, m = divmod(v, 60)
            return "%02d:%02d UTC" % (h, m) if lang == "en" else "%d h %02d UTC" % (h, m)
        sign = "+" if off >= 0 else "-"
        en = "Your local time is %02d:%02d and your time zone is UTC%s%d. What time do you enter in the log?"
        fr = "Il est %d h %02d \u00e0 l'heure locale et votre fuseau est UTC%s%d. Quelle heure inscrivez-vous au carnet de trafic ?"
        return calc(en % (hh, mm, sign, abs(off)), fr % (hh, mm, sign, abs(off)), [t] + wrong, fmt)
    return family(values, make)


def battery(values):
    def make(i, ah, cur):
        ah, cur = F(ah), F(cur)
        c = ah / cur
        en = "A fully charged %s Ah battery powers equipment drawing a steady %s. Ideally, how long will it last?"
        fr = "Une batterie de %s Ah bien charg\u00e9e alimente un appareil consommant %s en continu. Combien de temps tiendra-t-elle en th\u00e9orie ?"
        def fmt(v, lang):
            return ("%s hours" if lang == "en" else "%s heures") % num(v, lang, 3)
        args = lambda lang: (num(ah, lang), _v(cur, "A", lang))
        return calc(en % args("en"), fr % args("fr"), [c, ah * cur, c * 2, c / 2, c * 10], fmt)
    return family(values, make)


def efficiency(values):
    def make(i, pout, v, cur):
        pout, v, cur = F(pout), F(v), F(cur)
        c = pout / (v * cur) * 100
        en = "A power amplifier delivers %s of RF while drawing %s from a %s supply. What is its efficiency?"
        fr = "Un amplificateur de puissance fournit %s HF en consommant %s sur une alimentation de %s. Quel est son rendement ?"
        fmt = lambda x, lang: "%s %%" % num(x, lang, 3)
        args = lambda lang: (_v(pout, "W", lang), _v(cur, "A", lang), _v(v, "V", lang))
        return calc(en % args("en"), fr % args("fr"), [c, 100 - c, c / 2, c * 3 / 2 if c < 60 else c - 20, c + 15, c - 15], fmt)
    return family(values, make)


def colour_code(values):
    """(first digit, second digit, multiplier exponent -1..6): 4-band gold tolerance."""
    en_c = ["black", "brown", "red", "orange", "yellow", "green", "blue", "violet", "grey", "white"]
    fr_c = ["noir", "marron", "rouge", "orange", "jaune", "vert", "bleu", "violet", "gris", "blanc"]
    def make(i, d1, d2, e):
        val = F(d1 * 10 + d2) * (F(10) ** e)
        me = en_c[e] if e >= 0 else "gold"
        mf = fr_c[e] if e >= 0 else "or"
        en = "A resistor from a kit has four colour bands: %s, %s, %s, gold. What is its nominal value?"
        fr = "Une résistance d'un kit porte quatre anneaux de couleur : %s, %s, %s, or. Quelle est sa valeur nominale ?"
        alt = F(d2 * 10 + d1) * (F(10) ** e) if d1 != d2 else val * 100
        return calc(en % (en_c[d1], en_c[d2], me), fr % (fr_c[d1], fr_c[d2], mf),
                    [val, val * 10, val / 10, alt, val * 100], OHM)
    return family(values, make)


def mhz_khz(values):
    """(value, 'mhz' gives kHz of a MHz value, 'khz' gives MHz of a kHz value)."""
    def make(i, x, kind):
        x = F(x)
        if kind == "mhz":
            c = x * 1000
            en = "A frequency list gives %s MHz, but your radio's keypad expects kilohertz. What do you enter?"
            fr = "Une liste de fréquences indique %s MHz, mais le clavier de votre poste attend des kilohertz. Que saisissez-vous ?"
            fmt = lambda v, lang: "%s kHz" % num(v, lang, 8)
        else:
            c = x / 1000
            en = "A net is announced on %s kHz, but your radio displays megahertz. Which reading corresponds to it?"
            fr = "Un réseau est annoncé sur %s kHz, mais votre poste affiche en mégahertz. Quelle lecture y correspond ?"
            fmt = lambda v, lang: "%s MHz" % num(v, lang, 8)
        return calc(en % num(x, "en", 8), fr % num(x, "fr", 8), [c, c * 10, c / 10, c * 100, c / 100], fmt)
    return family(values, make)


def cap_units(values):
    """(value, unit it is marked in, unit asked for); units 'pF', 'nF', 'uF'."""
    exp = {"pF": -12, "nF": -9, "uF": -6}
    def make(i, x, frm, to):
        x = F(x)
        c = x * F(10) ** (exp[frm] - exp[to])
        name = lambda u: "\u00b5F" if u == "uF" else u
        en = "A parts list asks for a capacitor in %s, and the one in your drawer is marked %s %s. What is its value in %s?"
        fr = "Une nomenclature demande un condensateur en %s, et celui de votre tiroir est marqué %s %s. Quelle est sa valeur en %s ?"
        fmt = lambda v, lang: "%s %s" % (num(v, lang, 8), name(to))
        return calc(en % (name(to), num(x, "en"), name(frm), name(to)), fr % (name(to), num(x, "fr"), name(frm), name(to)),
                    [c, c * 1000, c / 1000, c * 10, c / 10], fmt)
    return family(values, make)


def inverse_square(values):
    """(power density at distance d, factor k): density at k times the distance."""
    def make(i, dens, k):
        dens, k = F(dens), F(k)
        c = dens / (k * k)
        en = ("At a certain distance from an antenna the power density is %s W/m\u00b2. In the far field, what is it "
              "at %s times that distance, in the same direction?")
        fr = ("\u00c0 une certaine distance d'une antenne, la densit\u00e9 de puissance est de %s W/m\u00b2. En champ lointain, "
              "que vaut-elle \u00e0 une distance %s fois plus grande, dans la m\u00eame direction ?")
        fmt = lambda v, lang: "%s W/m\u00b2" % num(v, lang, 3)
        return calc(en % (num(dens, "en"), num(k, "en")), fr % (num(dens, "fr"), num(k, "fr")),
                    [c, dens / k, dens * k, dens / (k * k * k)], fmt)
    return family(values, make)
