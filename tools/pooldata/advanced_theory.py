"""Advanced topic 1: alternating-current theory."""

import math

from advanced_calc import TWO_PI, calc, parse, si, num, unit_fmt, plain_fmt, ohm_adj


def _ohm_fmt(v, lang):
    return si(v, "ohms", lang, 3)


# --- computed families -------------------------------------------------
#
# Each family lists the key first, then the results of the slips a candidate
# really makes (a forgotten 2*pi or root, the reciprocal, the series formula
# for parallel, peak for RMS, a natural log for a common one...), more than a
# question shows, so that calc() can choose three that say nothing of the key.

def xl(f, L):
    c = TWO_PI * f * L
    # f*L forgets 2*pi; 1/c is the capacitor's formula; pi*f*L halves it.
    return calc(
        "What is the reactance of a %s inductor at %s?" % (si(L, "H", "en"), si(f, "Hz", "en")),
        "Quelle est la réactance d'une bobine de %s \u00e0 %s ?" % (si(L, "H", "fr"), si(f, "Hz", "fr")),
        [c, c / TWO_PI, 1.0 / c, c / 2, c * 2, c / TWO_PI * 10], _ohm_fmt, compound=True)


def xc(f, C):
    c = 1.0 / (TWO_PI * f * C)
    # 1/(fC) forgets 2*pi; 2*pi*f*C forgets the reciprocal; 1/(pi f C).
    return calc(
        "What is the reactance of a %s capacitor at %s?" % (si(C, "F", "en"), si(f, "Hz", "en")),
        "Quelle est la réactance d'un condensateur de %s \u00e0 %s ?" % (si(C, "F", "fr"), si(f, "Hz", "fr")),
        [c, c * TWO_PI, TWO_PI * f * C, c * 2, c / 2, c * TWO_PI / 10], _ohm_fmt, compound=True)


def zser(R, XL, XC):
    c = math.sqrt(R * R + (XL - XC) ** 2)
    # Plain sums, the reactances added instead of opposed, or R dropped.
    return calc(
        "A series circuit has R = %d ohms, XL = %d ohms and XC = %d ohms. What is the magnitude of its impedance?" % (R, XL, XC),
        "Un circuit s\u00e9rie a R = %d ohms, XL = %d ohms et XC = %d ohms. Quel est le module de son imp\u00e9dance ?" % (R, XL, XC),
        [c, R + abs(XL - XC), math.sqrt(R * R + XL * XL + XC * XC), R + XL + XC,
         math.sqrt(R * R + (XL + XC) ** 2), abs(XL - XC), R + XL - XC], _ohm_fmt)


def phase(R, X):
    c = math.degrees(math.atan(X / R))
    deg_en = plain_fmt(" degrees", " degr\u00e9s", 2)
    # atan(R/X) inverts the ratio; the sine or cosine taken for the tangent;
    # 90 degrees for any inductance; a straight proportion of 90 degrees.
    lo, hi = min(R, X), max(R, X)
    return calc(
        "A series circuit has R = %d ohms and a net XL of %d ohms. By how many degrees does the current lag the voltage?" % (R, X),
        "Un circuit s\u00e9rie a R = %d ohms et une XL nette de %d ohms. De combien de degr\u00e9s le courant est-il en retard sur la tension ?" % (R, X),
        [c, 90 - c, math.degrees(math.asin(lo / hi)), math.degrees(math.acos(lo / hi)),
         90.0 * X / (R + X), c / 2, 90], deg_en)


def zpar(R, X):
    c = R * X / math.sqrt(R * R + X * X)
    # The series magnitude, the product over the sum of two resistors, the
    # average, the plain sum.
    return calc(
        "What is the magnitude of the impedance of %d ohms of resistance in parallel with %d ohms of reactance?" % (R, X),
        "Quel est le module de l'imp\u00e9dance d'une r\u00e9sistance de %d ohms en parall\u00e8le avec une r\u00e9actance de %d ohms ?" % (R, X),
        [c, R * X / (R + X), math.sqrt(R * R + X * X), (R + X) / 2.0, abs(R - X), float(R + X)], _ohm_fmt)


def fres(L, C):
    c = 1.0 / (TWO_PI * math.sqrt(L * C))
    # 1/sqrt(LC) forgets 2*pi; a prefix wrong inside the root moves the
    # answer by sqrt(1000); 1/(2 pi L C) forgets the root.
    r1000 = math.sqrt(1000.0)
    return calc(
        "What is the resonant frequency of a circuit made of a %s inductor and a %s capacitor?" % (si(L, "H", "en"), si(C, "F", "en")),
        "Quelle est la fr\u00e9quence de r\u00e9sonance d'un circuit form\u00e9 d'une bobine de %s et d'un condensateur de %s ?" % (si(L, "H", "fr"), si(C, "F", "fr")),
        [c, c * TWO_PI, c / r1000, c * r1000, c / 2, c * 2, c * TWO_PI * r1000, c * TWO_PI / r1000],
        unit_fmt("Hz"))


def cres(f, L):
    c = 1.0 / ((TWO_PI * f) ** 2 * L)
    # 2*pi forgotten altogether, or not squared; pi for 2*pi; a decade.
    return calc(
        "What capacitance resonates with a %s inductor at %s?" % (si(L, "H", "en"), si(f, "Hz", "en")),
        "Quelle capacit\u00e9 r\u00e9sonne avec une bobine de %s \u00e0 %s ?" % (si(L, "H", "fr"), si(f, "Hz", "fr")),
        [c, c * TWO_PI ** 2, c * TWO_PI, c * 4, c * 10, c / 10, c * TWO_PI ** 2 / 10, c / 4],
        unit_fmt("F"), compound=True)


def qser(f, L, R):
    c = TWO_PI * f * L / R
    # fL/R forgets 2*pi; R/XL upside down; XL itself, or XL times R.
    xl_ = TWO_PI * f * L
    return calc(
        "A %s coil with %s of loss resistance is used at %s. What is its Q?" % (si(L, "H", "en"), si(R, "ohms", "en"), si(f, "Hz", "en")),
        "Une bobine de %s ayant %s de r\u00e9sistance de pertes est utilis\u00e9e \u00e0 %s. Quel est son Q ?" % (si(L, "H", "fr"), si(R, "ohms", "fr"), si(f, "Hz", "fr")),
        [c, c / TWO_PI, xl_, c * 2, c / 2, xl_ * R, R / xl_ * 100, c / TWO_PI * 10], plain_fmt("", "", 3))


def bw(f, Q):
    c = f / Q
    # The width of one side only, both sides doubled, f*Q, f/Q squared.
    return calc(
        "A resonant circuit tuned to %s has a loaded Q of %d. What is its half-power (-3 dB) bandwidth?" % (si(f, "Hz", "en"), Q),
        "Un circuit r\u00e9sonant accord\u00e9 sur %s a un Q en charge de %d. Quelle est sa bande passante \u00e0 mi-puissance (-3 dB) ?" % (si(f, "Hz", "fr"), Q),
        [c, c / 2, c * 2, f / math.sqrt(Q), f / Q / Q * 100, c * 10, c / 10], unit_fmt("Hz"), compound=True)


def qbw(f, B):
    c = f / B
    # Half or twice the ratio (one side of the curve, or both added), the
    # frequencies in different units, the square root of the ratio.
    return calc(
        "A tuned circuit resonant at %s has a -3 dB bandwidth of %s. What is its Q?" % (si(f, "Hz", "en"), si(B, "Hz", "en")),
        "Un circuit accord\u00e9 r\u00e9sonant \u00e0 %s a une bande passante \u00e0 -3 dB de %s. Quel est son facteur Q ?" % (si(f, "Hz", "fr"), si(B, "Hz", "fr")),
        [c, c / 2, c * 2, math.sqrt(c), c * 10, c / 10, c * 1000], plain_fmt(""), compound=True)


def tau_rc(R, C):
    c = R * C
    # Five time constants (full charge), the half-charge time RC ln 2, RC
    # scaled by 0.63, a decade.
    return calc(
        "What is the time constant of a %s resistor in series with a %s capacitor?" % (ohm_adj(R, "en"), si(C, "F", "en")),
        "Quelle est la constante de temps d'une r\u00e9sistance de %s en s\u00e9rie avec un condensateur de %s ?" % (si(R, "ohms", "fr"), si(C, "F", "fr")),
        [c, c * 5, c * math.log(2), c * 0.632, c / 10, c * 10, c * 1000, c / 1000], unit_fmt("s"))


def tau_lr(L, R):
    c = L / R
    # L*R multiplies, five time constants, the half-way time ln 2 L/R, L/R
    # scaled by 0.63, a decade or a prefix.
    return calc(
        "What is the time constant of a %s inductor in series with a %s resistor?" % (si(L, "H", "en"), ohm_adj(R, "en")),
        "Quelle est la constante de temps d'une bobine de %s en s\u00e9rie avec une r\u00e9sistance de %s ?" % (si(L, "H", "fr"), si(R, "ohms", "fr")),
        [c, L * R, c * 5, c * math.log(2), c * 0.632, c / 10, c * 10, c * 1000], unit_fmt("s"))


# Exact fractions of the full charge; rounded table values (0.632) gave 7.58 V
# where 12 V x (1 - e^-1) = 7.585 V shows as 7.59.
_CHARGE = {n: 1 - math.exp(-n) for n in (1, 2, 3, 4, 5)}


def charge(V, n):
    c = V * _CHARGE[n]
    # The charge after another number of time constants, the part still to
    # come, 63 percent of 63 percent compounded, half the supply.
    others = [V * _CHARGE[k] for k in sorted(_CHARGE) if k != n]
    en_n = {1: "one time constant", 2: "two time constants", 3: "three time constants"}[n]
    fr_n = {1: "une constante de temps", 2: "deux constantes de temps", 3: "trois constantes de temps"}[n]
    return calc(
        "A capacitor charges from %s through a resistor. What is its voltage after %s?" % (si(V, "V", "en"), en_n),
        "Un condensateur se charge sous %s \u00e0 travers une r\u00e9sistance. Quelle est sa tension apr\u00e8s %s ?" % (si(V, "V", "fr"), fr_n),
        [c, V * (1 - _CHARGE[n]), others[0], others[1]] + ([V * 0.632 ** n] if n > 1 else [])
        + [V / 2] + others[2:], unit_fmt("V"))


def vrms(vpk):
    c = vpk / math.sqrt(2)
    # Times root 2 instead of divided, the average 0.637, half the peak,
    # the peak taken as peak to peak.
    return calc(
        "A sine wave has a peak value of %s. What is its RMS value?" % si(vpk, "V", "en"),
        "Une tension sinuso\u00efdale a une valeur de cr\u00eate de %s. Quelle est sa valeur efficace ?" % si(vpk, "V", "fr"),
        [c, vpk * 0.637, vpk * math.sqrt(2), vpk / 2, c / 2, vpk * 0.318, vpk * 2], unit_fmt("V"))


def ppower(vpp, R):
    c = (vpp / 2 / math.sqrt(2)) ** 2 / R
    # Peak to peak, or the peak, used as RMS; the average value used as RMS.
    avg = 2 / math.pi
    return calc(
        "A carrier of %s peak to peak appears across a %d-ohm dummy load. What power does the load dissipate?" % (si(vpp, "V", "en"), R),
        "Une porteuse de %s cr\u00eate \u00e0 cr\u00eate appara\u00eet aux bornes d'une charge fictive de %d ohms. Quelle puissance la charge dissipe-t-elle ?" % (si(vpp, "V", "fr"), R),
        [c, (vpp / 2) ** 2 / R, (avg * vpp / 2) ** 2 / R, vpp * vpp / R, (vpp / math.sqrt(2)) ** 2 / R,
         (avg * vpp) ** 2 / R, c / 2], unit_fmt("W"))


def realp(V, I, pf):
    c = V * I * pf
    # Apparent power, divided by the power factor, the reactive power, the
    # power factor's complement, or half of VI cos phi as for peak values.
    return calc(
        "A load draws %s from a %s supply with a power factor of %s. What is the true power consumed?" % (si(I, "A", "en"), si(V, "V", "en"), num(pf, "en")),
        "Une charge absorbe %s sur un r\u00e9seau de %s avec un facteur de puissance de %s. Quelle est la puissance active consomm\u00e9e ?" % (si(I, "A", "fr"), si(V, "V", "fr"), num(pf, "fr")),
        [c, V * I, V * I * math.sqrt(1 - pf * pf), V * I / pf, V * I * (1 - pf), V * I * pf / 2], unit_fmt("W"))


def rc_cut(R, C):
    c = 1.0 / (TWO_PI * R * C)
    # 1/RC forgets 2*pi; the LC resonance formula with a root borrowed;
    # 2*pi*R*C forgets the reciprocal.
    return calc(
        "What is the -3 dB cut-off frequency of a simple RC low-pass filter using %s and %s?" % (si(R, "ohms", "en"), si(C, "F", "en")),
        "Quelle est la fr\u00e9quence de coupure \u00e0 -3 dB d'un filtre passe-bas RC simple utilisant %s et %s ?" % (si(R, "ohms", "fr"), si(C, "F", "fr")),
        [c, c * TWO_PI, 1.0 / (TWO_PI * math.sqrt(R * C)), c / 2, c * 10, c / 10, c * TWO_PI * 10, c * TWO_PI / 10],
        unit_fmt("Hz"))


def db_ratio(p1, p2):
    c = 10 * math.log10(p2 / p1)
    # 20 log for a power ratio, the bare ratio, the natural log, the log of
    # the difference.
    return calc(
        "An amplifier delivers %s when driven with %s. What is its power gain in decibels?" % (si(p2, "W", "en"), si(p1, "W", "en")),
        "Un amplificateur fournit %s lorsqu'il est attaqu\u00e9 par %s. Quel est son gain en puissance en d\u00e9cibels ?" % (si(p2, "W", "fr"), si(p1, "W", "fr")),
        [c, 2 * c, 10 * math.log(p2 / p1), p2 / p1, 10 * math.log10(p2 - p1), c / 2, 20 * math.log(p2 / p1)],
        plain_fmt(" dB", " dB", 3))


def db_out(p, g):
    c = p * 10 ** (g / 10.0)
    # Watts times decibels, 20 dB per decade, watts plus decibels.
    return calc(
        "A %s signal is applied to an amplifier with a gain of %s dB. What is the output power?" % (si(p, "W", "en"), num(g, "en")),
        "Un signal de %s est appliqu\u00e9 \u00e0 un amplificateur dont le gain est de %s dB. Quelle est la puissance de sortie ?" % (si(p, "W", "fr"), num(g, "fr")),
        [c, p * g, p * 10 ** (g / 20.0), p + g, c * 2, c / 2, p * 10 ** (g / 100.0) * 10], unit_fmt("W"))


def db_volt(v1, v2):
    c = 20 * math.log10(v2 / v1)
    # 10 log for a voltage ratio, the bare ratios, the natural log, the log
    # of the difference.
    return calc(
        "The voltage across a fixed resistor rises from %s to %s. By how many decibels has the power risen?" % (si(v1, "V", "en"), si(v2, "V", "en")),
        "La tension aux bornes d'une r\u00e9sistance fixe passe de %s \u00e0 %s. De combien de d\u00e9cibels la puissance a-t-elle augment\u00e9 ?" % (si(v1, "V", "fr"), si(v2, "V", "fr")),
        [c, c / 2, (v2 / v1) ** 2, 20 * math.log(v2 / v1), 20 * math.log10(v2 - v1), v2 / v1, c * 2],
        plain_fmt(" dB", " dB", 3))


# --- sections --------------------------------------------------------------

S_REACTANCE = parse("""
What happens to the reactance of an inductor when the frequency of the applied voltage is doubled?
It doubles, because inductive reactance is proportional to frequency
It halves, because inductive reactance is inversely proportional to frequency
It stays the same, because reactance depends only on the number of turns
It rises fourfold, because reactance follows the square of the frequency
Que devient la réactance d'une bobine lorsque la fréquence de la tension appliquée est doublée ?
Elle double, car la réactance inductive est proportionnelle à la fréquence
Elle est divisée par deux, car la réactance inductive est inversement proportionnelle à la fréquence
Elle ne change pas, car la réactance ne dépend que du nombre de spires
Elle est multipliée par quatre, car la réactance suit le carré de la fréquence

Why can the impedance of a series RLC circuit not be found by simply adding R, XL and XC?
Resistance and reactance are always 90 degrees apart, so they add as vectors
Reactances in series must be multiplied, not added together
The inductor and capacitor dissipate power that must be subtracted
The plain sum holds only at DC, where reactance is largest
Pourquoi ne peut-on pas trouver l'impédance d'un circuit RLC série en additionnant simplement R, XL et XC ?
Déphasées de 90 degrés, R et X s'additionnent toujours vectoriellement
En série, les réactances se multiplient au lieu de s'additionner
La bobine et le condensateur dissipent une puissance à retrancher
La simple somme ne vaut qu'en continu, où la réactance est maximale

How does the reactance of a capacitor change when its capacitance is increased while the frequency stays the same?
It falls in inverse proportion to the capacitance
It rises in direct proportion to the capacitance value
It does not change, since reactance depends only on frequency
It rises with the square of the capacitance value
Comment varie la réactance d'un condensateur lorsqu'on augmente sa capacité, la fréquence restant la même ?
Elle diminue en proportion inverse de la capacité
Elle augmente en proportion directe de la capacité
Elle ne change pas, car la réactance ne dépend que de la fréquence
Elle augmente comme le carré de la capacité

What is the impedance of a circuit?
The total opposition to AC, combining resistance and reactance
The opposition to direct current only, as read on an ohmmeter
The ratio of the output power of a circuit to its input power
The energy stored in the reactive components during one cycle
Qu'est-ce que l'impédance d'un circuit ?
L'opposition totale à l'alternatif, combinant résistance et réactance
L'opposition au seul courant continu, lue à l'ohmmètre
Le rapport de la puissance de sortie d'un circuit à celle d'entrée
L'énergie emmagasinée dans les composants réactifs au cours d'un cycle

A builder winds a 10 µH RF choke to keep RF off the DC feed of a 28 MHz preamplifier, but finds that RF passes straight through it. Measurement shows about 5 pF of stray capacitance across its closely spaced turns. What is the most likely explanation?
Above its self-resonance near 22 MHz it acts as a small capacitor
At 28 MHz its inductive reactance is only about 18 ohms, far too low
Its ferrite core saturates on the RF, so the inductance collapses
Skin effect makes the RF flow along the outside of the coil, not the turns
Une self de choc de 10 µH doit arrêter la HF sur l'alimentation continue d'un préamplificateur 28 MHz, mais la HF la traverse. On mesure environ 5 pF de capacité parasite entre ses spires serrées. Quelle est l'explication la plus probable ?
Au-dessus de sa résonance propre (22 MHz), elle agit en condensateur
À 28 MHz, sa réactance inductive n'est que d'environ 18 ohms, bien trop peu
Son noyau de ferrite sature sur la HF et l'inductance s'effondre
Par effet de peau, la HF passe par l'extérieur de la bobine, pas par les spires
""") + [
    xl(7.1e6, 2.2e-6),
    xc(3.6e6, 470e-12), xc(21.1e6, 100e-12),
    zser(30, 90, 50), zser(80, 30, 90),
    xc(1.85e6, 1e-9),
]

S_PHASE = parse("""
In a purely inductive circuit, what is the phase relationship between the current and the voltage?
The current lags the voltage by 90 degrees
The current leads the voltage by 90 degrees
The current and the voltage are in phase
The current lags the voltage by 180 degrees
Dans un circuit purement inductif, quelle est la relation de phase entre le courant et la tension ?
Le courant est en retard de 90 degrés sur la tension
Le courant est en avance de 90 degrés sur la tension
Le courant et la tension sont en phase
Le courant est en retard de 180 degrés sur la tension

In a purely capacitive circuit, what is the phase relationship between the current and the voltage?
The current leads the voltage by 90 degrees
The current lags the voltage by 90 degrees
The current and the voltage are in phase
The current leads the voltage by 45 degrees
Dans un circuit purement capacitif, quelle est la relation de phase entre le courant et la tension ?
Le courant est en avance de 90 degrés sur la tension
Le courant est en retard de 90 degrés sur la tension
Le courant et la tension sont en phase
Le courant est en avance de 45 degrés sur la tension

What is admittance?
The reciprocal of impedance, measured in siemens
The reciprocal of resistance in a direct-current circuit only, measured in ohms
The ratio of reactive power to true power, without units
The maximum current a component can safely carry
Qu'est-ce que l'admittance ?
L'inverse de l'impédance, mesurée en siemens
L'inverse de la résistance dans un circuit en courant continu seulement, mesurée en ohms
Le rapport de la puissance réactive à la puissance active, sans unité
Le courant maximal qu'un composant peut supporter sans danger

Below its resonant frequency, how does a parallel LC circuit behave?
As an inductance, since the coil then draws the larger branch current
As a capacitance, since the capacitor then draws the larger branch current
As a pure resistance, since the two branch currents cancel out
As a short circuit, since the capacitor then takes nearly all the current
En dessous de sa fréquence de résonance, comment se comporte un circuit LC parallèle ?
Comme une inductance, la bobine absorbant alors le plus fort courant de branche
Comme une capacité, le condensateur absorbant alors le plus fort courant de branche
Comme une résistance pure, les deux courants de branche s'annulant
Comme un court-circuit, le condensateur laissant alors passer presque tout le courant

Two sine waves of the same frequency reach their positive peaks a quarter of a cycle apart. What is their phase difference?
90 degrees
180 degrees
270 degrees
360 degrees
Deux sinusoïdes de même fréquence atteignent leur crête positive à un quart de période d'intervalle. Quel est leur déphasage ?
90 degrés
180 degrés
270 degrés
360 degrés

An impedance is written as 50 + j30 ohms. What does this tell you?
It has 50 ohms of resistance in series with 30 ohms of inductive reactance
It has 50 ohms of inductive reactance in series with 30 ohms of resistance
It has 50 ohms of resistance in parallel with 30 ohms of capacitive reactance
Its magnitude is 80 ohms and it is purely resistive
Une impédance s'écrit 50 + j30 ohms. Qu'est-ce que cela indique ?
Elle comporte 50 ohms de résistance en série avec 30 ohms de réactance inductive
Elle comporte 50 ohms de réactance inductive en série avec 30 ohms de résistance
Elle comporte 50 ohms de résistance en parallèle avec 30 ohms de réactance capacitive
Son module vaut 80 ohms et elle est purement résistive
""") + [
    phase(100, 60), phase(50, 120),
    zpar(150, 100), zpar(60, 80),
    phase(30, 40),
]

S_RESONANCE = parse("""
What is the condition for resonance in a circuit containing inductance and capacitance?
The inductive reactance equals the capacitive reactance
The resistance equals the inductive reactance
The inductance in henrys equals the capacitance in farads
The current through the circuit falls to zero
Quelle est la condition de résonance d'un circuit comportant de l'inductance et de la capacité ?
La réactance inductive égale la réactance capacitive
La résistance est égale à la réactance inductive
L'inductance en henrys est égale à la capacité en farads
Le courant dans le circuit tombe à zéro

How does a parallel LC circuit behave at resonance when fed from a source?
It presents a high resistive impedance and draws very little current
It presents a very low impedance, drawing a large current
It presents a capacitive impedance equal to XC
It presents an inductive impedance equal to twice XL
Comment se comporte un circuit LC parallèle à la résonance lorsqu'il est alimenté par une source ?
Il présente une forte impédance résistive et absorbe peu de courant
Il présente une impédance très faible et absorbe un fort courant
Il présente une impédance capacitive égale à XC
Il présente une impédance inductive égale au double de XL

At resonance, how does the current circulating in a parallel tuned circuit compare with the source current?
It is close to Q times the source current
It is exactly equal to the source current
It is about Q times smaller than the source current
It is zero, since the two branch currents are in phase
À la résonance, comment le courant qui circule dans un circuit accordé parallèle se compare-t-il au courant de la source ?
Il vaut près de Q fois le courant de la source
Il est exactement égal au courant de la source
Il est environ Q fois plus petit que le courant de la source
Il est nul, puisque les deux courants de branche sont en phase

If the capacitance of a tuned circuit is made four times larger, what happens to its resonant frequency?
It falls to half its former value
It falls to a quarter of its former value
It doubles to twice its former value
It rises to four times its former value
Si l'on multiplie par quatre la capacité d'un circuit accordé, que devient sa fréquence de résonance ?
Elle tombe à la moitié de sa valeur
Elle tombe au quart de sa valeur précédente
Elle monte au double de sa valeur précédente
Elle monte au quadruple de sa valeur précédente

Why can the voltage across the capacitor of a series resonant circuit be much higher than the source voltage?
The large current flows through XC, giving Q times the source voltage
The capacitor stores charge over many cycles and releases it all at once
The inductor acts as a step-up transformer that feeds the capacitor
The source voltage is doubled by reflection at the capacitor
Pourquoi la tension aux bornes du condensateur d'un circuit résonant série peut-elle dépasser largement celle de la source ?
Le fort courant traverse XC et donne Q fois la tension de la source
Le condensateur accumule la charge de nombreux cycles et la restitue d'un coup
La bobine joue le rôle d'un transformateur élévateur qui alimente le condensateur
La tension de la source est doublée par réflexion sur le condensateur
""") + [
    fres(10e-6, 100e-12), fres(2.5e-6, 47e-12), fres(33e-6, 1e-9),
    cres(7.05e6, 3.3e-6), cres(14.15e6, 1e-6),
    cres(3.6e6, 10e-6),
]

S_Q = parse("""
How does the Q of a resonant circuit affect its selectivity?
A higher Q gives a narrower bandwidth, so sharper selectivity
A higher Q gives a wider bandwidth, so poorer selectivity
Q affects only the resonant frequency, not the selectivity
A higher Q shifts the response curve towards lower frequencies
Comment le facteur Q d'un circuit résonant influe-t-il sur sa sélectivité ?
Un Q plus élevé rétrécit la bande et améliore la sélectivité
Un Q plus élevé donne une bande plus large, donc une sélectivité moindre
Le Q n'agit que sur la fréquence de résonance, pas sur la sélectivité
Un Q plus élevé déplace la courbe de réponse vers les fréquences basses

What is the effect of connecting a resistor in parallel with a parallel tuned circuit?
It always lowers the Q and so widens the bandwidth
It raises the Q and narrows the bandwidth
It raises the resonant frequency without changing the Q
It has no effect, as a resistor cannot detune the circuit
Quel est l'effet du branchement d'une résistance en parallèle sur un circuit accordé parallèle ?
Il abaisse toujours le Q et élargit la bande passante
Il élève le Q et rétrécit la bande passante
Il élève la fréquence de résonance sans changer le Q
Il n'a aucun effet, la résistance n'agissant pas sur un circuit accordé

Which mainly limits the Q of a practical tuned circuit at high frequency?
The losses of the inductor, worsened by skin effect
The capacitance of the tuning capacitor at resonance
The level of the voltage applied to the circuit
The number of turns on the coil being too small
Qu'est-ce qui limite principalement le Q d'un circuit accordé réel en haute fréquence ?
Les pertes de la bobine, effet de peau compris
La valeur de la capacité d'accord à la résonance
Le niveau de la tension appliquée au circuit
Le nombre trop faible de spires de la bobine

What are the half-power points of a resonance curve?
The frequencies either side of resonance where the power is 3 dB below the peak
The frequencies where the current has halved, 6 dB below its peak
The frequencies at which the reactance equals half the resistance
The two frequencies that are half and double the resonant frequency
Que sont les points à mi-puissance d'une courbe de résonance ?
Les fréquences de part et d'autre de la résonance où la puissance est 3 dB sous le maximum
Les fréquences où le courant a diminué de moitié, 6 dB sous le maximum
Les fréquences pour lesquelles la réactance est égale à la moitié de la résistance
Les deux fréquences égales à la moitié et au double de la fréquence de résonance

Two stations 5 kHz apart both appear in the passband of a home-built receiver whose only selective stage before the detector is a single tuned circuit at 3.6 MHz with a loaded Q of 60. The builder wants a -3 dB bandwidth of about 6 kHz at the same frequency. What must change?
Raise the loaded Q to about 600, which needs a crystal or IF filter
Lower the loaded Q to about 6 with a parallel resistor
Double the inductance while keeping the same loaded Q
Nothing; the bandwidth is already close to 6 kHz
Deux stations distantes de 5 kHz passent ensemble dans un récepteur amateur dont le seul étage sélectif avant le détecteur est un circuit accordé à 3,6 MHz, de Q en charge 60. Pour obtenir environ 6 kHz de bande passante à -3 dB, que faut-il changer ?
Porter le Q en charge à environ 600, ce qui exige un filtre à quartz ou FI
Abaisser le Q en charge à environ 6 par une résistance en parallèle
Doubler l'inductance en gardant le même Q en charge
Rien ; la bande passante est déjà proche de 6 kHz
""") + [
    qser(7.0e6, 4.7e-6, 5.0), qser(3.65e6, 10e-6, 8.0),
    bw(3.7e6, 50),
    qbw(9e6, 60e3),
    qbw(14.2e6, 200e3),
    qser(14.2e6, 1e-6, 2.0),
]

S_TIME = parse("""
What is one time constant of a resistor-capacitor circuit?
The time taken to charge to 63 percent of the applied voltage
The time for the capacitor to charge fully to the applied voltage
The time for the capacitor to charge to half of the applied voltage
The time for the current to rise to 63 percent of its final value
Qu'est-ce qu'une constante de temps d'un circuit résistance-condensateur ?
Le temps de charge jusqu'à 63 pour cent de la tension appliquée
Le temps nécessaire au condensateur pour se charger complètement à la tension appliquée
Le temps nécessaire au condensateur pour se charger à la moitié de la tension appliquée
Le temps nécessaire au courant pour monter à 63 pour cent de sa valeur finale

After how many time constants is a capacitor usually considered fully charged or fully discharged?
About five
About one
About two
About twenty
Au bout de combien de constantes de temps considère-t-on généralement qu'un condensateur est complètement chargé ou déchargé ?
Environ cinq
Environ une
Environ deux
Environ vingt

What is the purpose of a diode connected in reverse across the coil of a relay driven by a transistor?
To absorb the voltage spike at switch-off, protecting the transistor
To speed up the release of the relay by reversing the coil current
To rectify the alternating current that drives the relay
To raise the coil voltage so that the relay closes faster
Quel est le rôle d'une diode branchée en inverse aux bornes de la bobine d'un relais commandé par un transistor ?
Absorber la pointe de tension à la coupure, pour protéger le transistor
Accélérer le relâchement du relais en inversant le courant de la bobine
Redresser le courant alternatif qui commande le relais
Élever la tension de la bobine pour que le relais colle plus vite

An operator builds a sequencer that must hold off keying a linear amplifier until its antenna relay has settled. The delay comes from a 100-kilohm resistor charging a 10 µF capacitor from 12 V, and the logic that follows switches when the capacitor reaches about 7.6 V. Roughly how long is the delay, and what does it become if the capacitor is changed for a 22 µF part?
About 1 s, rising to about 2.2 s
About 100 ms, rising to about 220 ms
About 1 s, falling to about 450 ms
About 5 s, rising to about 11 s
Un séquenceur doit retarder la mise en émission d'un amplificateur linéaire jusqu'à la stabilisation de son relais d'antenne. Une résistance de 100 kilohms charge un condensateur de 10 µF sous 12 V, et la logique bascule vers 7,6 V. Quel est à peu près ce retard, et que devient-il avec 22 µF ?
Environ 1 s, porté à environ 2,2 s
Environ 100 ms, porté à environ 220 ms
Environ 1 s, ramené à environ 450 ms
Environ 5 s, porté à environ 11 s
""") + [
    tau_rc(100e3, 10e-6), tau_rc(4.7e3, 220e-9),
    tau_lr(50e-3, 100.0),
    charge(12.0, 1), charge(20.0, 2),
    tau_rc(220e3, 4.7e-6),
    charge(9.0, 3),
]

S_POWER = parse("""
What is the power factor of an alternating-current circuit?
True power over apparent power, equal to the cosine of the phase angle
Apparent power over true power, equal to the sine of the phase angle
The product of the RMS voltage and current, measured in volt-amperes
The ratio of reactance to resistance, the tangent of the angle
Qu'est-ce que le facteur de puissance d'un circuit à courant alternatif ?
Puissance active sur puissance apparente, soit le cosinus du déphasage
Puissance apparente sur puissance active, soit le sinus du déphasage
Le produit de la tension et du courant efficaces, en voltampères
Le rapport de la réactance à la résistance, soit la tangente

Why does an ideal inductor or capacitor consume no true power when connected to an AC source?
All the energy taken in one quarter-cycle is returned in the next
No current can flow through a pure reactance at any frequency
The voltage across a pure reactance always stays at zero
The energy is radiated away as electromagnetic waves
Pourquoi une bobine ou un condensateur idéal ne consomme-t-il aucune puissance active sur une source alternative ?
L'énergie prise pendant un quart de période est toujours rendue ensuite
Aucun courant ne traverse une réactance pure, à aucune fréquence
La tension aux bornes d'une réactance pure reste toujours nulle
L'énergie est rayonnée sous forme d'ondes électromagnétiques

What does the RMS value of an alternating voltage represent?
The DC voltage giving the same heating in a resistor
The average of all instantaneous values over a full cycle
The highest instantaneous value reached during a cycle
The difference between the positive and negative peaks
Que représente la valeur efficace d'une tension alternative ?
La tension continue donnant le même échauffement dans une résistance
La moyenne des valeurs instantanées sur une période
La valeur instantanée la plus élevée atteinte pendant une période
La différence entre les crêtes positive et négative

What is the peak envelope power (PEP) of a transmitter?
The average power over one RF cycle at the crest of the envelope
The highest instantaneous power reached at the peak of a single RF cycle
The average power over a long period of normal speech into the load
The DC input power of the final amplifier at full drive
Qu'est-ce que la puissance en crête de modulation (PEP) d'un émetteur ?
La puissance moyenne sur un cycle HF au sommet de l'enveloppe
La puissance instantanée la plus élevée atteinte à la crête d'un seul cycle HF
La puissance moyenne sur une longue durée de parole normale
La puissance d'alimentation continue de l'étage final à pleine excitation

Why does an OFDM data signal, made of many carriers, need a linear amplifier run well below its peak rating?
The many carriers add up to peaks far above the average power
Its envelope is constant, so only the average power has to be handled
Each carrier is frequency modulated, which needs a wide-band output stage
Its symbol rate is too high for a class C stage to follow
Pourquoi un signal de données OFDM, à porteuses multiples, exige-t-il un amplificateur linéaire exploité bien en dessous de sa puissance de crête ?
Ses porteuses s'additionnent en crêtes bien plus fortes que la moyenne
Son enveloppe est constante, seule sa puissance moyenne compte donc
Chaque porteuse est modulée en fréquence, d'où un étage large bande
Sa rapidité de modulation est trop élevée pour un étage en classe C
""") + [
    vrms(170.0), vrms(28.0),
    ppower(200.0, 50), ppower(100.0, 50),
    realp(230.0, 2.0, 0.8), realp(120.0, 5.0, 0.6),
]

S_FILTERS = parse("""
A direct-sampling receiver digitises its input at 100 million samples per second. What is the job of the low-pass filter ahead of its converter?
To remove signals above 50 MHz, which would alias onto wanted ones
To remove the converter's quantisation noise before it is sampled
To block signals below 50 MHz, which the converter cannot sample
To smooth the stepped output of the converter into a clean signal
Un récepteur à échantillonnage direct numérise à 100 Méch/s. À quoi sert le filtre passe-bas placé avant son convertisseur ?
À supprimer ce qui dépasse 50 MHz et se replierait sur la bande utile
À supprimer le bruit de quantification avant l'échantillonnage
À bloquer ce qui est sous 50 MHz, trop bas pour le convertisseur
À lisser en un signal propre la sortie en escalier du convertisseur

Where is a low-pass filter normally placed in an HF station to reduce harmonic radiation?
Between the transmitter output and the feed line to the antenna
At the microphone input, keeping RF out of the audio
In the mains lead of the transmitter's power supply
Between the receiver's audio output and the speaker
Où place-t-on normalement un filtre passe-bas dans une station décamétrique pour réduire le rayonnement d'harmoniques ?
Entre l'émetteur et la ligne d'alimentation de l'antenne
À l'entrée micro de l'émetteur, contre la HF dans l'audio
Dans le cordon secteur de l'alimentation de l'émetteur
Entre la sortie audio du récepteur et le haut-parleur

What is a notable advantage of a crystal lattice filter in the IF stage of a receiver?
Very steep skirts and a narrow, stable passband
Very wide bandwidth suitable for television signals
Low cost and easy adjustment of the centre frequency
A passband that can be tuned across a whole band
Quel est l'avantage marquant d'un filtre à quartz en treillis dans l'étage FI d'un récepteur ?
Des flancs très raides et une bande passante étroite et stable
Une bande très large adaptée aux signaux de télévision
Un faible coût et un réglage facile de la fréquence centrale
Une bande passante accordable sur toute une bande

What is the shape factor of a band-pass filter?
The ratio of its 60 dB bandwidth to its 6 dB bandwidth
The ratio of its centre frequency to its 3 dB bandwidth
The loss in the passband expressed in decibels
The ratio of its input impedance to its output impedance
Qu'est-ce que le facteur de forme d'un filtre passe-bande ?
Le rapport de sa largeur à 60 dB à sa largeur à 6 dB
Le rapport de sa fréquence centrale à sa bande passante à 3 dB
La perte dans la bande passante exprimée en décibels
Le rapport de son impédance d'entrée à son impédance de sortie

What is the main characteristic of a Chebyshev filter compared with a Butterworth filter of the same order?
A steeper roll-off, at the cost of passband ripple
A perfectly flat passband with a gentler roll-off
A linear phase response with no ripple anywhere
A gentler roll-off in exchange for a flat group delay
Quelle est la principale caractéristique d'un filtre de Tchebychev par rapport à un filtre de Butterworth du même ordre ?
Une pente plus raide, au prix d'une ondulation dans la bande
Une bande passante parfaitement plate avec une pente plus douce
Une réponse en phase linéaire sans aucune ondulation
Une pente plus douce contre un temps de groupe constant

What does insertion loss mean for a filter?
The loss of a wanted signal in the passband due to the filter
The attenuation the filter gives to signals far outside its passband
The power lost when the filter is removed from the circuit
The reduction in Q caused by the filter's components
Que désigne la perte d'insertion d'un filtre ?
L'affaiblissement du signal utile dans la bande passante
L'atténuation apportée aux signaux loin de la bande passante
La puissance perdue lorsqu'on retire le filtre du circuit
La diminution du Q causée par les composants du filtre

Which filter in a receiver's feed line removes one strong broadcast station on a fixed frequency while passing the rest?
A band-stop (notch) filter tuned to the interfering frequency
A band-pass filter tuned to the interfering frequency
A high-pass filter cutting off at the interfering frequency
An RC low-pass filter with a very long time constant
Quel filtre placé dans la ligne d'un récepteur élimine une forte station de radiodiffusion sur une fréquence fixe en laissant passer le reste ?
Un réjecteur (coupe-bande) accordé sur la fréquence perturbatrice
Un filtre passe-bande accordé sur la fréquence perturbatrice
Un filtre passe-haut coupant à la fréquence perturbatrice
Un filtre passe-bas RC à très longue constante de temps

In a pi-network low-pass filter, how are the components arranged?
Two capacitors to ground, joined by a series inductor
Two inductors to ground, joined by a series capacitor
One capacitor in series with the line and one inductor to ground
Two capacitors in series with one inductor to ground between
Dans un filtre passe-bas en pi, comment les composants sont-ils disposés ?
Deux condensateurs vers la masse, reliés par une bobine en série
Deux bobines vers la masse, reliées par un condensateur en série
Un condensateur en série dans la ligne et une bobine vers la masse
Deux condensateurs en série, avec une bobine vers la masse entre eux

What is a surface acoustic wave (SAW) or ceramic filter used for in radio equipment?
As a compact, fixed band-pass filter, as in IF stages
As a variable filter for tuning across a whole band
As a high-power harmonic filter at a transmitter output
As a low-pass filter in the mains input of power supplies
À quoi sert un filtre céramique ou à ondes acoustiques de surface (SAW) dans un appareil radio ?
De filtre passe-bande compact et fixe, comme en FI
De filtre variable permettant de s'accorder sur toute une bande
De filtre d'harmoniques de forte puissance en sortie d'émetteur
De filtre passe-bas dans l'entrée secteur des alimentations
""") + [
    rc_cut(10e3, 10e-9), rc_cut(1e3, 470e-9),
]

S_DECIBELS = parse("""
A signal is attenuated by 3 dB. By what approximate factor has its power changed?
It has been halved
It has been divided by three
It has been divided by ten
It has been reduced to a quarter
Un signal est atténué de 3 dB. Par quel facteur approximatif sa puissance a-t-elle varié ?
Elle a été divisée par deux
Elle a été divisée par trois
Elle a été divisée par dix
Elle a été réduite au quart

A transmitter's output rises from 100 W to 400 W. How many S-units of 6 dB does the signal gain at a distant receiver?
About one S-unit, since the power rise is 6 dB
About four S-units, since the power has been multiplied by four
About three S-units, since 400 W is 300 W more
About half an S-unit, since the power rise is 3 dB
La puissance d'un émetteur passe de 100 W à 400 W. De combien d'unités S de 6 dB le signal augmente-t-il chez un correspondant éloigné ?
D'environ une unité S, puisque la puissance augmente de 6 dB
D'environ quatre unités S, puisque la puissance est multipliée par quatre
D'environ trois unités S, puisque 400 W représente 300 W de plus
D'environ une demi-unité S, puisque la puissance augmente de 3 dB

A receiver's noise is measured through a 2.4 kHz SSB filter. By about how much does the noise power reaching the detector fall when a 500 Hz CW filter is switched in instead?
About 6.8 dB
About 15.7 dB
About 4.8 dB
About 0.7 dB
On mesure le bruit d'un récepteur à travers un filtre BLU de 2,4 kHz. De combien environ la puissance de bruit qui atteint le détecteur baisse-t-elle si l'on passe sur un filtre CW de 500 Hz ?
Environ 6,8 dB
Environ 15,7 dB
Environ 4,8 dB
Environ 0,7 dB

A 2 m station uses a transceiver delivering 25 W, a feed line with 2 dB of loss, another 1 dB lost in a lightning arrestor and connectors, and a Yagi with a gain of 9 dBd. Adding up the decibels of the whole chain, what effective radiated power does the station produce?
About 100 W
About 200 W
About 50 W
About 35 W
Une station 2 m a un émetteur-récepteur de 25 W, une ligne de 2 dB de pertes, 1 dB de pertes dans le parafoudre et les connecteurs, et une Yagi de 9 dBd. En additionnant les décibels de la chaîne, quelle est sa puissance apparente rayonnée ?
Environ 100 W
Environ 200 W
Environ 50 W
Environ 35 W
""") + [
    db_ratio(5.0, 100.0), db_ratio(10.0, 400.0), db_ratio(2.0, 50.0),
    db_out(10.0, 7.0), db_out(25.0, 13.0),
    db_volt(1.0, 5.0),
    db_volt(0.5, 2.0),
]

TOPIC = {
    "en": "Advanced theory",
    "fr": "Théorie avancée",
    "sections": [S_REACTANCE, S_PHASE, S_RESONANCE, S_Q, S_TIME, S_POWER,
                 S_FILTERS, S_DECIBELS],
}
