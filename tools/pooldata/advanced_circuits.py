"""Advanced topic 2: components and circuits."""

import math

from advanced_calc import calc, parse, si, unit_fmt, plain_fmt, ohm_adj


def _ohm_fmt(v, lang):
    return si(v, "ohms", lang, 3)


def led_r(vs, vf, i):
    c = (vs - vf) / i
    return calc(
        "An LED with a %s forward drop must pass %s from %s. What series resistor is needed?" % (si(vf, "V", "en"), si(i, "A", "en"), si(vs, "V", "en")),
        "Une DEL de tension directe %s doit \u00eatre parcourue par %s sous %s. Quelle r\u00e9sistance s\u00e9rie faut-il ?" % (si(vf, "V", "fr"), si(i, "A", "fr"), si(vs, "V", "fr")),
        # forgot the LED drop, added it, kept only the drop, took a silicon
        # diode's 0.7 V for the LED's, counted the drop twice
        [c, vs / i, (vs + vf) / i, vf / i, (vs - 0.7) / i, (vs - 2 * vf) / i], _ohm_fmt)


def bjt_ic(beta, ib):
    c = beta * ib
    return calc(
        "A transistor with an hFE of %d has a base current of %s. What is its collector current?" % (beta, si(ib, "A", "en")),
        "Un transistor de hFE \u00e9gal \u00e0 %d a un courant de base de %s. Quel est son courant de collecteur ?" % (beta, si(ib, "A", "fr")),
        # decade slips, divided instead of multiplied, alpha taken for beta
        [c, c * 10, c / 10, ib / beta, ib * beta / (beta + 1), c * 1000], unit_fmt("A"))


def bjt_beta(ic, ib):
    c = ic / ib
    return calc(
        "A transistor has a collector current of %s for a base current of %s. What is its current gain?" % (si(ic, "A", "en"), si(ib, "A", "en")),
        "Un transistor a un courant de collecteur de %s pour un courant de base de %s. Quel est son gain en courant ?" % (si(ic, "A", "fr"), si(ib, "A", "fr")),
        # decade slips, the reciprocal, alpha (IC / IE) or IE / IB instead of
        # beta, milliamperes divided by microamperes as they stand
        [c, c * 10, c / 10, ib / ic, ic / (ic + ib), (ic + ib) / ib, c / 1000], plain_fmt(""))


def ce_gain(rc, re):
    c = rc / re
    return calc(
        "A common-emitter stage has a %s collector load and an unbypassed %s emitter resistor. What is its voltage gain?" % (ohm_adj(rc, "en"), ohm_adj(re, "en")),
        "Un \u00e9tage \u00e0 \u00e9metteur commun a une charge de collecteur de %s et une r\u00e9sistance d'\u00e9metteur non d\u00e9coupl\u00e9e de %s. Quel est son gain en tension ?" % (si(rc, "ohms", "fr"), si(re, "ohms", "fr")),
        # the ratio upside down, decade slips, the non-inverting op-amp
        # formula 1 + Rc/Re, kilohms divided by ohms as they stand
        [c, re / rc, c * 10, c / 10, 1 + c, c / 1000, rc / (rc + re)], plain_fmt(""))


def inv_amp(rin, rf, vin):
    c = -rf / rin * vin
    return calc(
        "An inverting op-amp stage has Rin = %s and Rf = %s. What is the output for a +%s input?" % (si(rin, "ohms", "en"), si(rf, "ohms", "en"), si(vin, "V", "en")),
        "Un \u00e9tage inverseur \u00e0 ampli op a Re = %s et Rf = %s. Quelle est la sortie pour une entr\u00e9e de +%s ?" % (si(rin, "ohms", "fr"), si(rf, "ohms", "fr"), si(vin, "V", "fr")),
        # sign lost, non-inverting formula (with and without the sign),
        # resistors swapped, the gain given for the output
        [c, -c, -(1 + rf / rin) * vin, -rin / rf * vin, (1 + rf / rin) * vin, -rf / rin, c * 10], unit_fmt("V"))


def noninv_amp(rg, rf):
    c = 1 + rf / rg
    return calc(
        "A non-inverting op-amp stage has %s from the inverting input to ground and %s of feedback. What is its gain?" % (si(rg, "ohms", "en"), si(rf, "ohms", "en")),
        "Un \u00e9tage non inverseur \u00e0 ampli op a %s entre l'entr\u00e9e inverseuse et la masse et %s de contre-r\u00e9action. Quel est son gain ?" % (si(rg, "ohms", "fr"), si(rf, "ohms", "fr")),
        # inverting formula, ratio upside down, doubled, resistors swapped
        # in the right formula, the feedback divider ratio
        [c, c - 1, rg / rf, c * 2, 1 + rg / rf, rf / (rf + rg), c * 10], plain_fmt(""))


def gbw(gbp, gain):
    c = gbp / gain
    return calc(
        "An op-amp with a %s gain-bandwidth product is set for a gain of %d. What bandwidth results?" % (si(gbp, "Hz", "en"), gain),
        "Un amplificateur op\u00e9rationnel de produit gain-bande %s est r\u00e9gl\u00e9 pour un gain de %d. Quelle bande passante obtient-on ?" % (si(gbp, "Hz", "fr"), gain),
        # multiplied, the product itself, a decade slip, the gain taken in
        # decibels, a stray 2 pi
        [c, gbp * gain, gbp, c / 10, gbp / (20 * math.log10(gain)), gbp / (2 * math.pi * gain), c * 10],
        unit_fmt("Hz"))


def pll_n(fref, fout, foff):
    c = (fout - foff) / fref
    wrong = [fout / fref, (fout + foff) / fref, foff / fref, 2 * c, c * 10]
    # halved or cut by ten only where that still gives a whole divider ratio
    wrong += [w for w in (c / 2, c / 10) if w == int(w)]
    return calc(
        "A PLL has a %s reference; its VCO is mixed with a %s offset oscillator and the divider gets the difference. What ratio N gives %s?" % (si(fref, "Hz", "en"), si(foff, "Hz", "en"), si(fout, "Hz", "en")),
        "Une PLL a une r\u00e9f\u00e9rence de %s ; son VCO est m\u00e9lang\u00e9 \u00e0 un oscillateur de %s et le diviseur re\u00e7oit la diff\u00e9rence. Quel rapport N donne %s ?" % (si(fref, "Hz", "fr"), si(foff, "Hz", "fr"), si(fout, "Hz", "fr")),
        # offset ignored, added, taken alone; doubled; a decade slip
        [c] + wrong, plain_fmt("", "", 6))


def xtal_ppm(f, ppm):
    c = f * ppm * 1e-6
    return calc(
        "A %s crystal oscillator has a frequency tolerance of %d ppm. What is the largest frequency error this allows?" % (si(f, "Hz", "en"), ppm),
        "Un oscillateur \u00e0 quartz de %s a une tol\u00e9rance de fr\u00e9quence de %d ppm. Quel est le plus grand \u00e9cart de fr\u00e9quence qu'elle autorise ?" % (si(f, "Hz", "fr"), ppm),
        # decade and per-thousand slips, the whole +/- window, megahertz
        # divided by ppm instead of multiplied
        [c, c * 10, c / 10, c * 1000, c * 2, f / 1e6 / ppm], unit_fmt("Hz"))


def mixer(frf, flo):
    def pair(a, b):
        return (max(a, b), min(a, b))
    s, d = frf + flo, abs(frf - flo)
    # the inputs passed unchanged, their second harmonics, the third-order
    # products 2f1 - f2 and 2f2 - f1
    return calc(
        "Signals of %s and %s are applied to a mixer. What are its main new output frequencies?" % (si(frf, "Hz", "en"), si(flo, "Hz", "en")),
        "On applique des signaux de %s et de %s \u00e0 un m\u00e9langeur. Quelles sont les principales fr\u00e9quences nouvelles en sortie ?" % (si(frf, "Hz", "fr"), si(flo, "Hz", "fr")),
        [pair(s, d), pair(frf, flo), pair(2 * frf, 2 * flo), pair(abs(2 * frf - flo), abs(2 * flo - frf))],
        lambda v, lang: "%s %s %s" % (si(v[0], "Hz", lang, 4), "and" if lang == "en" else "et", si(v[1], "Hz", lang, 4)))


def binary(bits):
    c = int(bits, 2)
    n = len(bits)
    return calc(
        "What is the decimal value of the binary number %s?" % bits,
        "Quelle est la valeur d\u00e9cimale du nombre binaire %s ?" % bits,
        # read backwards, shifted one place either way, the last bit
        # misread, the top bit weighted one place too high or dropped
        [c, int(bits[::-1], 2), c * 2, c - 1 if c % 2 else c + 1, c // 2,
         c + 2 ** (n - 1), c - 2 ** (n - 1)], lambda v, lang: str(v))


def hexnum(h):
    c = int(h, 16)
    d = [int(ch, 16) for ch in h]
    return calc(
        "What is the decimal value of the hexadecimal number %s?" % h,
        "Quelle est la valeur d\u00e9cimale du nombre hexad\u00e9cimal %s ?" % h,
        # first digit weighted ten, digits swapped, first digit one out,
        # doubled, last digit dropped
        [c, d[0] * 10 + d[1], d[1] * 16 + d[0], c - 16, c * 2, c + 16, d[0] * 16],
        lambda v, lang: str(v))


def divider(f, n):
    c = f / 2 ** n
    return calc(
        "A %s clock drives a chain of %d divide-by-two flip-flops. What frequency appears at the last output?" % (si(f, "Hz", "en"), n),
        "Une horloge de %s attaque une cha\u00eene de %d bascules diviseuses par deux. Quelle fr\u00e9quence appara\u00eet \u00e0 la derni\u00e8re sortie ?" % (si(f, "Hz", "fr"), n),
        # divided by 2n, one stage too few or too many, divided by n
        [c, f / (2 * n), f / 2 ** (n - 1), f / 2 ** (n + 1), f / n, f / n ** 2], unit_fmt("Hz", 4))


def toroid(al_nh, L):
    c = math.sqrt(L / (al_nh * 1e-9))
    return calc(
        "A toroid has an AL of %d nH per turn squared. About how many turns give %s?" % (al_nh, si(L, "H", "en")),
        "Un tore a un AL de %d nH par spire au carr\u00e9. Combien de spires environ donnent %s ?" % (al_nh, si(L, "H", "fr")),
        # no square root, halved, AL read as per 100 turns, halved instead
        # of rooted, doubled
        [round(c), round(c * c), round(c / 2), round(c * math.sqrt(10)), round(c * c / 2), round(c * 2)],
        lambda v, lang: ("%d turns" if lang == "en" else "%d spires") % v)


def gm(did, dvg):
    c = did / dvg
    return calc(
        "A FET's drain current changes by %s when its gate-source voltage changes by %s. What is its transconductance?" % (si(did, "A", "en"), si(dvg, "V", "en")),
        "Le courant de drain d'un FET varie de %s quand sa tension grille-source varie de %s. Quelle est sa transconductance ?" % (si(did, "A", "fr"), si(dvg, "V", "fr")),
        # the reciprocal, prefix slips, multiplied instead of divided
        [c, dvg / did, c * 1000, did * dvg, c / 1000, c * 10, c / 10], unit_fmt("S"))


S_DIODES = parse("""
What happens to the depletion region of a PN junction when reverse bias is increased?
It widens, so the junction capacitance decreases
It narrows, so the junction capacitance rises
It widens, so the junction capacitance rises
It narrows, so the forward voltage drop falls
Que devient la zone de déplétion d'une jonction PN lorsqu'on augmente la polarisation inverse ?
Elle s'élargit, donc la capacité de jonction diminue
Elle se rétrécit, donc la capacité de jonction croît
Elle s'élargit, donc la capacité de jonction croît
Elle se rétrécit, donc la chute directe de la jonction diminue

In which region is a Zener diode operated when it is used as a voltage reference?
In reverse breakdown, where its voltage stays roughly constant
In forward conduction, where its voltage drop is about 0.6 V
In reverse bias below breakdown, where its leakage is steady
In forward conduction, just below the knee of its curve
Dans quelle région fait-on fonctionner une diode Zener utilisée comme référence de tension ?
En claquage inverse, où sa tension reste à peu près constante
En conduction directe, où sa tension directe est d'environ 0,6 V
En inverse sous le claquage, où son courant de fuite est stable
En conduction directe, juste sous sa tension de seuil

Why is the tuning voltage of a varactor diode usually fed to it through a high-value resistor?
So the control line does not load or detune the tuned circuit
So the diode is forward biased by a safe, limited current
So its capacitance depends on the current and not on the voltage
So the tuning voltage is brought below the diode's 0.6 V threshold
Pourquoi applique-t-on en général la tension d'accord d'une varicap à travers une forte résistance ?
Pour que la commande ne charge ni ne désaccorde le circuit accordé
Pour que la diode soit polarisée en direct par un courant sûr et limité
Pour que sa capacité dépende du courant et non de la tension
Pour ramener la tension d'accord sous le seuil de 0,6 V de la diode

Why are Schottky diodes often chosen for RF mixers and for the rectifiers of switching power supplies?
Their forward drop is low and they switch very fast
Their reverse rating reaches many kilovolts at low cost
Their large stored charge smooths the rectified output
Their high forward drop limits the peak current
Pourquoi choisit-on souvent des diodes Schottky pour les mélangeurs HF et les redresseurs des alimentations à découpage ?
Leur chute directe est faible et leur commutation rapide
Leur tenue en inverse atteint plusieurs kilovolts
Leur forte charge stockée lisse la tension de sortie
Leur forte chute directe limite le courant de crête

How does a PIN diode behave at radio frequencies, which makes it useful as an RF switch or attenuator?
As a resistance controlled by its direct current
As a capacitance that rises with the forward current
As a fast rectifier that passes only positive half-cycles
As a negative resistance that makes it oscillate
Comment se comporte une diode PIN aux fréquences radio, ce qui la rend utile comme commutateur ou atténuateur HF ?
Comme une résistance pilotée par le continu
Comme une capacité qui augmente avec le courant direct
Comme un redresseur rapide des seules alternances positives
Comme une résistance négative qui la fait osciller

Why are resistors of equal value often connected across each diode when several rectifier diodes are placed in series?
To share the reverse voltage evenly between them
To limit the surge current when the supply is switched on
To raise the forward current rating of the string
To lower the forward voltage drop of the string
Pourquoi place-t-on souvent une résistance de même valeur aux bornes de chaque diode d'une chaîne de diodes de redressement en série ?
Pour répartir également la tension inverse entre elles
Pour limiter la pointe de courant à la mise sous tension
Pour augmenter le courant direct admissible de la chaîne
Pour abaisser la chute directe de la chaîne

What is the reverse recovery time of a rectifier diode?
The time it takes to recover and stop conducting when its voltage reverses
The time it takes to start conducting after forward voltage is applied
The time it takes to recover after a reverse breakdown surge
The time for its reverse leakage to settle after it is switched on
Qu'est-ce que le temps de recouvrement inverse d'une diode de redressement ?
Le temps qu'elle met à cesser de conduire quand sa tension s'inverse
Le temps qu'elle met à conduire sous une tension directe
Le temps qu'elle met à se remettre d'une surtension en claquage inverse
Le temps que met son courant de fuite inverse à se stabiliser

Which diode is most suitable as a detector for very weak RF signals, and why?
A germanium or Schottky diode, for its low forward voltage
A silicon power rectifier, for its high reverse voltage rating
A Zener diode, because it holds the detected voltage steady
A PIN diode, because its resistance follows the signal level
Quelle diode convient le mieux comme détecteur de très faibles signaux HF, et pourquoi ?
Une diode au germanium ou Schottky, pour sa faible tension de seuil
Une diode de redressement silicium, pour sa forte tension inverse
Une diode Zener, car elle maintient constante la tension détectée
Une diode PIN, car sa résistance suit le niveau du signal
""") + [
    led_r(12.0, 2.0, 20e-3), led_r(13.8, 3.3, 15e-3),
    led_r(5.0, 2.1, 10e-3),
]

S_BIPOLAR = parse("""
How must the junctions of an NPN transistor be biased for it to work as a linear amplifier?
Base-emitter forward biased, base-collector reverse biased
Base-emitter reverse biased, base-collector forward biased
Base-emitter forward biased, base-collector forward biased
Base-emitter reverse biased, base-collector reverse biased
Comment faut-il polariser les jonctions d'un transistor NPN pour qu'il fonctionne en amplificateur linéaire ?
Base-émetteur en direct, base-collecteur en inverse
Base-émetteur en inverse, base-collecteur en direct
Base-émetteur en direct, base-collecteur en direct
Base-émetteur en inverse, base-collecteur en inverse

What is the alpha of a bipolar transistor?
The ratio of collector to emitter current, just under one
The ratio of collector to base current, typically 50 to 300
The ratio of emitter to base current, a little over 100
The frequency where the common-base current gain is 3 dB down
Qu'est-ce que le gain alpha d'un transistor bipolaire ?
Le rapport des courants de collecteur et d'émetteur, un peu moins de un
Le rapport des courants de collecteur et de base, de 50 à 300 en général
Le rapport des courants d'émetteur et de base, un peu plus de 100
La fréquence à -3 dB du gain en courant en base commune

What is the transition frequency (fT) of a transistor?
The frequency where its common-emitter current gain falls to one
The frequency where its common-emitter gain is 3 dB below its DC value
The highest frequency at which it will oscillate in a Colpitts circuit
The frequency where its input and output capacitances resonate
Qu'est-ce que la fréquence de transition (fT) d'un transistor ?
La fréquence où son gain en courant en émetteur commun tombe à un
La fréquence où son gain en émetteur commun est à 3 dB sous sa valeur en continu
La fréquence la plus haute à laquelle il oscille dans un montage Colpitts
La fréquence où ses capacités d'entrée et de sortie entrent en résonance

What is thermal runaway in a bipolar transistor stage, and how is it commonly prevented?
Heat raises the current, which heats the stage further; emitter resistance curbs it
Heat lowers the gain until the stage cuts off; more base drive curbs it
Heat raises VBE, which starves the base; a fixed base current curbs it
Heat reverses the collector leakage until it conducts; a series diode curbs it
Qu'est-ce que l'emballement thermique d'un étage à transistor bipolaire, et comment l'empêche-t-on couramment ?
La chaleur accroît le courant, qui chauffe encore ; une résistance d'émetteur l'évite
La chaleur réduit le gain jusqu'au blocage ; davantage de courant de base l'évite
La chaleur élève la VBE, ce qui prive la base ; un courant de base fixe l'évite
La chaleur inverse la fuite de collecteur ; une diode série l'évite

What is the main property of a Darlington pair?
Its current gain is roughly the product of the two gains
Its current gain is roughly the sum of the two gains
Its base-emitter drop is about half that of one transistor
Its input impedance is generally lower than that of one transistor
Quelle est la principale propriété d'un montage Darlington ?
Son gain en courant est à peu près le produit des deux gains
Son gain en courant est à peu près la somme des deux gains
Son seuil base-émetteur vaut environ la moitié de celui d'un transistor
Son impédance d'entrée est en général plus faible que celle d'un transistor unique

A transistor amplifier has no base current at all. In what state is the transistor?
Cut off, with almost no collector current
Saturated, with the largest collector current
Active, with half the largest collector current
In breakdown, with a large reverse current
Un amplificateur à transistor n'a aucun courant de base. Dans quel état se trouve le transistor ?
Bloqué, avec un courant de collecteur presque nul
Saturé, avec le plus fort courant de collecteur
En régime actif, avec la moitié du courant de collecteur maximal
En claquage, avec un fort courant inverse
""") + [
    bjt_ic(100, 50e-6), bjt_ic(150, 20e-6),
    bjt_beta(30e-3, 0.25e-3),
    bjt_beta(100e-3, 2e-3),
    bjt_beta(1.2, 40e-3),
]

S_FET = parse("""
What is the main advantage of a field-effect transistor over a bipolar transistor at the input of an amplifier?
Its very high input impedance, as the gate draws almost no current
Its very low input impedance, which suits low-impedance sources
Its higher transconductance than a bipolar transistor at the same current
Its larger voltage gain per stage than a bipolar transistor gives
Quel est le principal avantage d'un transistor à effet de champ sur un bipolaire en entrée d'amplificateur ?
Sa très forte impédance d'entrée, la grille étant presque sans courant
Sa très faible impédance d'entrée, adaptée aux sources de basse impédance
Sa transconductance plus forte que celle d'un bipolaire au même courant
Sa plus forte amplification en tension par étage

How does the drain current of an N-channel JFET change as its gate is made more negative than its source?
It falls until the channel pinches off
It rises until the channel saturates
It stays constant, since the gate is insulated
It rises as the gate junction begins to conduct
Comment varie le courant de drain d'un JFET canal N quand sa grille devient plus négative que sa source ?
Il diminue jusqu'au pincement du canal
Il augmente jusqu'à la saturation du canal
Il reste constant, car la grille est isolée
Il augmente dès que la jonction de grille conduit

Why must MOSFETs be handled with precautions against static electricity?
Their thin gate oxide can be punctured by a static discharge
Their channel can be turned from N-type to P-type by a static charge
Their source-drain channel can be melted by the static current
Their gate threshold can shift by hundreds of volts after a charge
Pourquoi faut-il manipuler les MOSFET avec des précautions contre l'électricité statique ?
Leur mince oxyde de grille peut être percé par une décharge statique
Une charge statique peut transformer leur canal N en canal P
Le courant d'une décharge statique peut faire fondre leur canal
Leur tension de seuil peut dériver de centaines de volts après une charge statique

How does an enhancement-mode MOSFET differ from a depletion-mode device?
It is off at zero gate voltage and conducts above its threshold
It conducts at zero gate voltage and needs reverse bias to turn off
It is off at zero gate voltage and conducts below threshold
It has a junction gate instead of an insulated one
En quoi un MOSFET à enrichissement diffère-t-il d'un composant à appauvrissement ?
Il est bloqué à grille nulle et conduit au-delà de son seuil
Il conduit à grille nulle et se bloque par une polarisation inverse
Il est bloqué à grille nulle et conduit en deçà de son seuil
Il a une grille à jonction au lieu d'une grille isolée

What is an advantage of a dual-gate MOSFET in the RF amplifier or mixer of a receiver?
Gate 2 takes AGC or the LO, and feedback capacitance stays low
Gate 2 doubles the transconductance when driven in phase with gate 1
Gate 2 shields the input from static, so no protection is needed
Gate 2 holds the bias constant, so no source resistor is needed
Quel est l'avantage d'un MOSFET à double grille dans l'amplificateur HF ou le mélangeur d'un récepteur ?
La grille 2 reçoit la CAG ou l'OL, et la capacité de réaction reste faible
La grille 2 multiplie par deux la transconductance si on l'attaque en phase avec la grille 1
La grille 2 protège l'entrée de l'électricité statique, sans autre protection
La grille 2 fixe la polarisation, sans résistance de source

What is the transconductance of a field-effect transistor?
Drain current change per volt of gate voltage change, in siemens
Drain voltage change per milliamp of drain current, in ohms
Drain current divided by gate current, without units
Drain voltage change per volt of gate voltage change, without units
Qu'est-ce que la transconductance d'un transistor à effet de champ ?
La variation du courant de drain par volt de grille, en siemens
La variation de tension de drain par mA de courant de drain, en ohms
Le courant de drain divisé par celui de grille, sans unité
Le rapport des variations de tension de drain et de grille, sans unité

Which terminals of a field-effect transistor correspond to the base, collector and emitter of a bipolar transistor?
Gate, drain and source
Source, gate and drain
Drain, source and gate
Gate, source and drain
Quelles électrodes d'un transistor à effet de champ correspondent à la base, au collecteur et à l'émetteur d'un bipolaire ?
Grille, drain et source
Source, grille et drain
Drain, source et grille
Grille, source et drain

What are the main features of a common-gate FET amplifier?
Low input impedance, voltage gain and no phase inversion
High input impedance, voltage gain and phase inversion
High input impedance and a voltage gain just under one
Low output impedance and a current gain well above one
Quelles sont les principales caractéristiques d'un amplificateur à FET en grille commune ?
Faible impédance d'entrée, gain en tension sans inversion de phase
Forte impédance d'entrée, gain en tension avec inversion de phase
Forte impédance d'entrée et gain en tension un peu inférieur à un
Faible impédance de sortie et gain en courant bien supérieur à un

Why are LDMOS transistors widely used in modern solid-state HF and VHF power amplifiers?
They give high gain and power at high voltage and survive mismatch well
They give high efficiency in class A, so full power needs little heat sinking
They need no bias, so the idle current is zero on receive
They match 50 ohms directly, so no input or output network is needed
Pourquoi les transistors LDMOS équipent-ils tant d'amplificateurs de puissance HF et VHF modernes ?
Ils ont gain et puissance élevés sous haute tension et tolèrent la désadaptation
Ils ont un rendement élevé en classe A, d'où peu de dissipateur à pleine puissance
Ils n'ont pas besoin de polarisation, leur courant de repos est donc nul
Ils s'adaptent directement à 50 ohms, sans réseau d'entrée ni de sortie
""") + [
    gm(2e-3, 0.5),
    gm(6e-3, 0.4),
]

S_AMPLIFIERS = parse("""
Which transistor configuration gives both voltage and current gain, with the output inverted relative to the input?
Common emitter
Common collector
Common base
Common drain
Quel montage de transistor donne un gain en tension et en courant, avec une sortie inversée par rapport à l'entrée ?
En émetteur commun
En collecteur commun
En base commune
En drain commun

What are the properties of an emitter follower (common-collector stage)?
Voltage gain near one, high input and low output impedance
High voltage gain, low input and high output impedance
Voltage gain close to one, low input and high output impedance
Current gain close to one, high input and low output impedance
Quelles sont les propriétés d'un émetteur suiveur (montage à collecteur commun) ?
Gain en tension voisin de un, impédance d'entrée forte et de sortie faible
Gain en tension élevé, impédance d'entrée faible et de sortie forte
Gain en tension proche de un, impédance d'entrée faible et de sortie forte
Gain en courant proche de un, impédance d'entrée forte et de sortie faible

Why is a cascode (a common-emitter stage feeding a common-base stage) often used in VHF amplifiers?
Its input stage has almost no voltage gain, so Miller feedback is small
Its two stages multiply their gains, so the overall gain is far higher
Its second stage inverts the phase again, so the output is in phase
Its second stage lowers the output impedance to drive 50 ohms directly
Pourquoi le cascode (émetteur commun suivi d'une base commune) est-il courant dans les amplificateurs VHF ?
Son premier étage a peu de gain en tension, donc peu d'effet Miller
Son gain global, produit de deux étages, est bien plus fort
Son second étage réinverse la phase, d'où une sortie en phase
Son second étage abaisse l'impédance de sortie pour attaquer 50 ohms

Why is a capacitor often connected across the emitter resistor of a common-emitter stage?
It removes AC feedback to raise the gain, keeping DC stability
It adds AC feedback to cut distortion, keeping DC stability
It blocks DC from the emitter so the bias stays fixed
It shunts RF to ground so the stage cannot oscillate
Pourquoi branche-t-on souvent un condensateur aux bornes de la résistance d'émetteur d'un étage à émetteur commun ?
Il annule la contre-réaction alternative, d'où plus de gain, sans toucher au continu
Il ajoute une contre-réaction alternative contre la distorsion, sans toucher au continu
Il bloque le continu pour figer la polarisation
Il dérive la HF à la masse pour empêcher toute oscillation

Which is an effect of applying negative feedback to an amplifier?
Lower gain, with less distortion and a wider bandwidth
Higher gain, with less distortion and a wider bandwidth
Lower gain, with more distortion and a narrower bandwidth
Higher gain, with more distortion and a narrower bandwidth
Quel est l'un des effets de l'application d'une contre-réaction à un amplificateur ?
Un gain réduit, avec moins de distorsion et une bande plus large
Un gain accru, avec moins de distorsion et une bande passante plus large
Un gain réduit, avec plus de distorsion et une bande passante plus étroite
Un gain accru, avec plus de distorsion et une bande passante plus étroite

Why is voltage-divider bias with an emitter resistor preferred to a single base resistor from the supply?
It makes the bias point almost independent of the transistor's current gain
It raises the transistor's current gain, so the stage needs less drive
It removes the need for coupling capacitors between the stages
It makes the collector current rise with temperature to hold the gain
Pourquoi préfère-t-on la polarisation par pont diviseur avec résistance d'émetteur à une simple résistance de base reliée à l'alimentation ?
Elle rend le point de repos presque indépendant du gain du transistor
Elle augmente le gain en courant du transistor, et l'étage demande moins d'attaque
Elle supprime le besoin de condensateurs de liaison entre les étages
Elle fait croître le courant de collecteur avec la température pour maintenir le gain

What is the Miller effect in an inverting amplifier stage?
The output-to-input capacitance appears multiplied by the gain
The input capacitance is divided by the gain, widening the bandwidth
The collector lead inductance raises the gain at high frequency
The gain falls as the supply voltage drops and shifts the bias point
Qu'est-ce que l'effet Miller dans un étage amplificateur inverseur ?
La capacité sortie-entrée apparaît multipliée par le gain
La capacité d'entrée est divisée par le gain, ce qui élargit la bande
L'inductance de la connexion de collecteur accroît le gain en haute fréquence
Le gain baisse avec la tension d'alimentation, qui déplace le point de repos

Why are coupling capacitors used between transistor amplifier stages?
To pass the signal while keeping each stage's DC bias separate
To pass the DC bias of one stage on to set the next one's
To shunt supply ripple to ground before it reaches the next stage
To tune out the input capacitance of the following stage
Pourquoi utilise-t-on des condensateurs de liaison entre les étages d'un amplificateur à transistors ?
Pour passer le signal en gardant séparées les polarisations des étages
Pour transmettre la polarisation d'un étage afin de fixer celle du suivant
Pour dériver à la masse l'ondulation de l'alimentation avant l'étage suivant
Pour compenser la capacité d'entrée de l'étage suivant
""") + [
    ce_gain(4.7e3, 470.0), ce_gain(10e3, 220.0),
    ce_gain(2.2e3, 100.0),
]

S_OPAMPS = parse("""
Which describes an ideal operational amplifier?
Infinite open-loop gain, infinite input, zero output impedance
Infinite open-loop gain, zero input and infinite output impedance
Unity open-loop gain, infinite input and zero output impedance
Unity open-loop gain, zero input and infinite output impedance
Qu'est-ce qui caractérise un amplificateur opérationnel idéal ?
Gain en boucle ouverte infini, impédance d'entrée infinie, de sortie nulle
Gain en boucle ouverte infini, impédance d'entrée nulle et de sortie infinie
Gain en boucle ouverte unité, impédance d'entrée infinie et de sortie nulle
Gain en boucle ouverte unité, impédance d'entrée nulle et de sortie infinie

What is an op-amp voltage follower used for?
As a unity-gain buffer with a high input impedance
As a unity-gain inverter with a low input impedance
As an amplifier whose gain equals the open-loop gain
As a current limiter that holds the load current constant
À quoi sert un amplificateur opérationnel monté en suiveur de tension ?
De tampon de gain un à forte impédance d'entrée
D'inverseur de gain un à faible impédance d'entrée
D'étage dont le gain égale celui en boucle ouverte
De limiteur qui maintient constant le courant de charge

What is the slew rate of an operational amplifier?
The fastest rate of change of its output, in volts per microsecond
The rate its gain falls with frequency, in decibels per octave
The drift of its output with heat, in microvolts per degree
The time its output takes to settle after a step, in microseconds
Qu'est-ce que la vitesse de balayage (slew rate) d'un amplificateur opérationnel ?
La pente maximale de sa sortie, en volts par microseconde
La pente de décroissance de son gain avec la fréquence, en décibels par octave
La dérive de sa sortie avec la température, en microvolts par degré
La durée de stabilisation de sa sortie après un échelon, en microsecondes

How does an op-amp behave when used without feedback as a comparator?
Its output swings to one supply rail or the other
Its output follows the input difference with unity gain
Its output settles midway between the supply rails
Its output oscillates at a rate set by the input difference
Comment se comporte un amplificateur opérationnel utilisé sans contre-réaction en comparateur ?
Sa sortie bascule vers l'un ou l'autre rail
Sa sortie suit la différence des entrées avec un gain unité
Sa sortie se stabilise à mi-chemin entre les alimentations
Sa sortie oscille au rythme de la différence des entrées

What is an advantage of an active audio filter built with op-amps for CW reception?
It gives sharp responses without inductors, and gain rather than loss
It removes noise that lies inside the passband as well as outside it
It works at the IF as well as at AF, with no change of components
It never rings, however narrow its bandwidth is made
Quel est l'avantage d'un filtre audio actif à amplis op pour la réception de la télégraphie ?
Il a des flancs raides sans bobines, et du gain au lieu de pertes
Il élimine le bruit situé dans la bande passante comme en dehors
Il fonctionne aussi bien en FI qu'en BF, sans changer de composants
Il ne sonne jamais, aussi étroite que soit sa bande passante

What is the input offset voltage of an operational amplifier?
The input voltage needed to bring the output to zero
The input voltage at which the output hits a rail
The common-mode voltage the inputs take without damage
The gap between the supply and the largest output swing
Qu'est-ce que la tension de décalage d'entrée d'un amplificateur opérationnel ?
La tension d'entrée nécessaire pour ramener la sortie à zéro
La tension d'entrée pour laquelle la sortie atteint une alimentation
La tension de mode commun que les entrées supportent sans dommage
La différence entre l'alimentation et l'excursion de sortie maximale
""") + [
    inv_amp(10e3, 100e3, 0.2), inv_amp(2.2e3, 47e3, 0.1),
    noninv_amp(1e3, 22e3), gbw(1e6, 50),
    noninv_amp(4.7e3, 47e3),
]

S_OSCILLATORS = parse("""
Which conditions must be met for an amplifier with feedback to sustain oscillation?
A loop gain of at least one, with the feedback in phase
A loop gain below one, with the feedback 90 degrees out of phase
A loop gain of at least one, with the feedback in antiphase
A loop gain below one, with the feedback exactly in phase
Quelles conditions un amplificateur à réaction doit-il remplir pour entretenir une oscillation ?
Un gain de boucle d'au moins un, avec une réaction en phase
Un gain de boucle inférieur à un, avec une réaction déphasée de 90 degrés
Un gain de boucle d'au moins un, avec une réaction en opposition de phase
Un gain de boucle inférieur à un, avec une réaction exactement en phase

How is feedback obtained in a Colpitts oscillator?
From a capacitive divider across the tuned circuit
From a tap partway along the tuned circuit's coil
From a separate winding coupled to the tank coil
From an RC phase-shift network in the feedback path
Comment la réaction est-elle obtenue dans un oscillateur Colpitts ?
Par un diviseur capacitif aux bornes du circuit accordé
Par une prise sur la bobine du circuit accordé
Par un enroulement séparé couplé à la bobine du circuit accordé
Par un réseau de déphasage RC dans la boucle

How is feedback obtained in a Hartley oscillator?
From a tap on the coil of the tuned circuit
From a capacitive divider across the tuned circuit
From a three-stage RC phase-shift network
From a quartz crystal between collector and base
Comment la réaction est-elle obtenue dans un oscillateur Hartley ?
Par une prise sur la bobine du circuit accordé
Par un diviseur capacitif aux bornes du circuit accordé
Par un réseau de déphasage RC à trois étages
Par un quartz placé entre collecteur et base

Why does a crystal oscillator have much better frequency stability than an LC oscillator?
The crystal is a resonator of very high Q and stable dimensions
The crystal cancels the temperature drift of the transistor
The crystal has a wide bandwidth, so it tolerates component drift
The crystal limits the amplitude, which keeps the oscillation steady
Pourquoi un oscillateur à quartz a-t-il une bien meilleure stabilité de fréquence qu'un oscillateur LC ?
Le quartz est un résonateur de très haut Q aux dimensions stables
Le quartz compense la dérive thermique du transistor
Le quartz a une large bande passante, il tolère donc la dérive des composants
Le quartz limite l'amplitude, ce qui stabilise l'oscillation

What is the purpose of a buffer amplifier placed after an oscillator?
To keep load changes in later stages from pulling it
To raise its output level so that it starts more reliably
To double its frequency for a thicker, sturdier crystal
To feed back part of its output and keep it running
Quel est le rôle d'un amplificateur tampon placé après un oscillateur ?
Empêcher les variations de charge des étages suivants de l'entraîner
Élever son niveau de sortie pour qu'il démarre plus sûrement
Doubler sa fréquence pour un quartz plus épais et plus robuste
Renvoyer une partie de sa sortie pour l'entretenir

Which blocks make up a basic phase-locked loop frequency synthesizer?
Reference, phase detector, loop filter, VCO and divider
Reference, phase detector, crystal filter, BFO and counter
Reference, frequency counter, comparator, display and VCO
Reference, balanced modulator, sideband filter, VCO and counter
Quels blocs forment un synthétiseur de fréquence élémentaire à PLL ?
Référence, comparateur de phase, filtre de boucle, VCO et diviseur
Référence, comparateur de phase, filtre à quartz, BFO et compteur
Référence, compteur, comparateur, afficheur et VCO
Référence, modulateur équilibré, filtre BLU, VCO et compteur

In a VHF transceiver every frequency is synthesized from one 10 MHz reference oscillator, which turns out to be 5 ppm high. The display shows 144.300 MHz. By about how much, and in which direction, is the transmitted frequency wrong?
About 720 Hz high, as every output follows the reference
About 50 Hz high, the same error in hertz as the reference
About 720 Hz low, as the loop inverts the reference's error
About 0 Hz, as the loop locks onto the displayed frequency
Dans un émetteur-récepteur VHF, toutes les fréquences sont synthétisées à partir d'une seule référence de 10 MHz, qui s'avère trop haute de 5 ppm. L'affichage indique 144,300 MHz. De combien, et dans quel sens, la fréquence émise est-elle fausse ?
D'environ 720 Hz vers le haut, car chaque sortie suit la référence
D'environ 50 Hz vers le haut, la même erreur en hertz que la référence
D'environ 720 Hz vers le bas, car la boucle inverse l'erreur de la référence
D'environ 0 Hz, car la boucle se verrouille sur l'affichage
""") + [
    pll_n(12.5e3, 145.5e6, 135e6), pll_n(1e3, 7.074e6, 5e6),
    xtal_ppm(28e6, 5),
    pll_n(25e3, 432.1e6, 400e6),
]

S_MIXERS = parse("""
Why does a direct-conversion SDR feed its ADCs from a quadrature (I/Q) mixer rather than from a single mixer?
With I and Q, software separates signals either side of the LO
With I and Q, the phase noise of the LO cancels before the ADCs
With I and Q, two ADCs add their bits to double resolution
With I and Q, the mixer gives conversion gain instead of loss
Pourquoi un SDR à conversion directe attaque-t-il ses CAN par un mélangeur en quadrature (I/Q) et non par un mélangeur simple ?
Avec I et Q, le logiciel sépare les signaux de part et d'autre de l'OL
Avec I et Q, le bruit de phase de l'OL s'annule avant d'atteindre les CAN
Avec I et Q, deux CAN additionnent leurs bits pour doubler la résolution
Avec I et Q, l'étage donne du gain au lieu de pertes

What is the advantage of a balanced mixer over a single-ended mixer?
One or both input signals are cancelled at its output
Only the sum frequency appears, with no difference term
Its conversion loss is zero, so no IF amplifier is needed
It rejects the image frequency with no RF filter
Quel est l'avantage d'un mélangeur équilibré sur un mélangeur asymétrique ?
Il annule en sortie une entrée, voire les deux
Seule la fréquence somme apparaît, sans terme différence
Sa perte de conversion est nulle, ce qui dispense d'ampli FI
Il rejette la fréquence image sans aucun filtre HF

Which is a typical feature of a passive diode-ring doubly balanced mixer?
Good port isolation and about 6 dB of conversion loss
Good port isolation and about 20 dB of conversion gain
Poor port isolation but about 10 dB of conversion gain
Poor port isolation and about 6 dB of conversion loss
Quelle est une caractéristique typique d'un mélangeur doublement équilibré passif à anneau de diodes ?
Une bonne isolation des accès et environ 6 dB de pertes de conversion
Une bonne isolation des accès et environ 20 dB de gain de conversion
Une mauvaise isolation des accès mais environ 10 dB de gain de conversion
Une mauvaise isolation des accès et environ 6 dB de pertes de conversion

How does a frequency multiplier stage work?
A non-linear stage makes harmonics and its output is tuned to one
A linear class A stage adds the input frequency to itself
A class C stage makes harmonics and its input is tuned to one
A low-pass filter picks a harmonic from a linear amplifier's output
Comment fonctionne un étage multiplicateur de fréquence ?
Un étage non linéaire crée des harmoniques et sa sortie est accordée sur l'un d'eux
Un étage linéaire en classe A additionne le signal d'entrée à lui-même
Un étage classe C crée des harmoniques et son entrée est accordée sur l'un d'eux
Un filtre passe-bas choisit un harmonique à la sortie d'un amplificateur linéaire

Why does a frequency multiplier in an FM transmitter also multiply the deviation?
Every instantaneous frequency is multiplied, so the swing is too
The multiplier stage raises the power, and deviation follows power
It does not; the deviation in hertz is the same at the output
Each stage adds its own distortion, which shows as extra deviation
Pourquoi un multiplicateur de fréquence dans un émetteur FM multiplie-t-il aussi l'excursion ?
Chaque fréquence instantanée est multipliée, donc l'écart aussi
L'étage multiplicateur élève la puissance, et l'excursion suit la puissance
Ce n'est pas le cas ; l'excursion en hertz est la même en sortie
Les étages ajoutent leur distorsion, vue comme une excursion en plus

What is a product detector?
A mixer that beats the IF with a BFO to demodulate SSB or CW
A discriminator that turns frequency changes into audio for FM
A diode rectifier that recovers the envelope of an AM signal
A circuit that multiplies the audio gain by the AGC voltage
Qu'est-ce qu'un détecteur de produit ?
Un mélangeur qui bat la FI avec un BFO pour démoduler BLU et CW
Un discriminateur qui convertit en audio les écarts de fréquence FM
Un redresseur à diode qui restitue l'enveloppe d'un signal AM
Un circuit qui multiplie le gain audio par la tension de CAG

Why must the local oscillator drive to a diode mixer be kept at the level its maker specifies?
Too little raises loss and distortion; too much brings noise or damage
Too little shifts the output frequency; too much widens the passband
Too much raises loss and distortion; too little adds noise or damage
Too much or too little matters on transmit only, never on receive
Pourquoi faut-il tenir l'attaque OL d'un mélangeur à diodes au niveau indiqué par le fabricant ?
Trop faible, elle accroît pertes et distorsion ; trop forte, bruit voire dégâts
Trop faible, elle décale la sortie ; trop forte, elle élargit la bande
Trop forte, elle accroît pertes et distorsion ; trop faible, bruit ou dégâts
Trop forte ou trop faible, elle ne gêne qu'en émission, jamais en réception

Which unwanted outputs must be filtered away after a single-ended (unbalanced) mixer?
The two input frequencies, their harmonics and other products
The harmonics alone, since the inputs cancel at the output
The sum frequency alone, as it lies far from the wanted IF
The LO frequency alone, since the signal input is cancelled
Quelles sorties indésirables faut-il éliminer par filtrage après un mélangeur asymétrique (non équilibré) ?
Les deux entrées, leurs harmoniques et autres produits
Les seules harmoniques, les entrées s'annulant en sortie
La seule fréquence somme, éloignée de la FI voulue
Le seul signal OL, l'entrée signal étant annulée
""") + [
    mixer(14.2e6, 9e6), mixer(3.7e6, 5.2e6), mixer(144.3e6, 116e6),
]

S_DIGITAL = parse("""
An SDR samples the antenna signal directly at 100 MHz, with no anti-aliasing filter ahead of its ADC. What becomes of a strong 70 MHz signal?
It aliases and shows up as a false signal at 30 MHz
It is rejected, since it lies above half the sampling rate
It shows up at 170 MHz, the sum of the two signals
It is received unchanged, as the ADC covers up to its sampling rate
Un SDR échantillonne directement l'antenne à 100 MHz, sans filtre anti-repliement devant son CAN. Que devient un fort signal à 70 MHz ?
Il se replie et apparaît faussement à 30 MHz
Il est rejeté, car il dépasse la moitié de la cadence d'échantillonnage
Il apparaît à 170 MHz, somme des deux signaux
Il est reçu tel quel, le CAN couvrant jusqu'à sa cadence d'échantillonnage

When is the output of a two-input exclusive-OR (XOR) gate at logic 1?
When the two inputs are different
When both inputs are at logic 1
When both inputs are at logic 0
When at least one input is at logic 1
Quand la sortie d'une porte OU exclusif (XOR) à deux entrées est-elle au niveau logique 1 ?
Quand les deux entrées sont à des niveaux différents
Quand les deux entrées sont au niveau 1
Quand les deux entrées sont au niveau 0
Quand au moins une entrée est au niveau 1

Why are NAND gates called universal gates?
Any logic function can be built from NAND gates alone
Any logic family can drive NAND gates directly
Any number of inputs can be added without slowing them
Any NAND gate can serve as a memory cell on its own
Pourquoi dit-on que les portes NON-ET sont des portes universelles ?
Toute fonction logique peut se construire avec des NON-ET seules
Toute famille logique peut attaquer directement une entrée NON-ET
Toute entrée supplémentaire peut être ajoutée sans les ralentir
Toute porte NON-ET peut servir seule de cellule mémoire

What does a D-type flip-flop do at the active edge of its clock?
It copies its D input to Q and holds it until the next edge
It inverts Q whatever D is, and holds it until the next edge
It lets Q follow D for as long as the enable input stays high
It resets Q to zero, whatever D is, until the next edge
Que fait une bascule de type D au front actif de son horloge ?
Elle recopie son entrée D sur Q et la conserve jusqu'au front suivant
Elle inverse Q quelle que soit D, puis le garde jusqu'au front suivant
Elle laisse Q suivre D tant que la validation reste haute
Elle remet Q à zéro, quelle que soit D, jusqu'au front suivant

Compared with QPSK at the same symbol rate, what does 64-QAM gain, and at what cost?
Triple the bit rate, but it needs a much higher SNR
Sixteen times the bit rate, with the same SNR needed
Triple the bit rate, but it needs a wider channel
The same bit rate, but it tolerates much more noise
Par rapport à la QPSK à même rapidité de modulation, que gagne la 64-QAM, et à quel prix ?
Un débit triple, exigeant un rapport signal/bruit bien plus fort
Un débit seize fois plus élevé, pour le même rapport signal/bruit
Un débit triple, exigeant un canal bien plus large
Le même débit binaire, mais elle supporte bien plus de bruit

What is the purpose of a Schmitt trigger input on a logic circuit?
Its hysteresis gives clean switching from slow or noisy inputs
Its hysteresis delays the output by a fixed time to debounce it
Its high gain amplifies weak inputs up to full logic levels
Its latch stores one bit until the next reset pulse
À quoi sert une entrée à trigger de Schmitt sur un circuit logique ?
Son hystérésis donne des fronts nets à partir d'entrées lentes ou bruitées
Son hystérésis retarde d'un temps fixe la sortie, contre les rebonds
Son fort gain porte les signaux faibles aux niveaux logiques
Son verrou mémorise un bit logique jusqu'à la remise à zéro

How many discrete levels can a 12-bit analogue-to-digital converter resolve?
4096
2048
8192
144
Combien de niveaux distincts un convertisseur analogique-numérique de 12 bits peut-il résoudre ?
4096
2048
8192
144

An SDR mixes a 3 kHz wide channel down to baseband at 2 million samples per second, then decimates by 250. What must come just before the decimation?
A low-pass filter cutting off below 4 kHz, the new Nyquist limit
A low-pass filter cutting off below 8 kHz, the new sample rate
A low-pass filter cutting off below 1 MHz, the former Nyquist limit
A gain of 250, about 48 dB, to make up for the dropped samples
Un SDR ramène en bande de base un canal de 3 kHz à 2 Méch/s, puis décime par 250. Que faut-il juste avant la décimation ?
Un passe-bas coupant sous 4 kHz, la nouvelle limite de Nyquist
Un passe-bas coupant sous 8 kHz, la nouvelle cadence d'échantillonnage
Un passe-bas coupant sous 1 MHz, l'ancienne limite de Nyquist
Un gain de 250, soit environ 48 dB, pour les échantillons perdus
""") + [
    binary("110101"), hexnum("3C"),
    divider(10.24e6, 10),
]

S_RFPARTS = parse("""
What is skin effect and how does it affect conductors at radio frequencies?
RF current crowds near the surface, raising the effective resistance
RF current crowds near the centre, raising the effective resistance
RF current crowds near the surface, lowering the effective resistance
RF current spreads evenly, but the insulation starts to conduct
Qu'est-ce que l'effet de peau et comment agit-il sur les conducteurs aux fréquences radio ?
Le courant HF se concentre en surface, ce qui accroît la résistance effective
Le courant HF se concentre au centre, ce qui accroît la résistance effective
Le courant HF se concentre en surface, ce qui réduit la résistance effective
Le courant HF se répartit uniformément, mais l'isolant se met à conduire

Which type of capacitor is preferred in the tuned circuit of a stable oscillator?
An NP0 (C0G) ceramic, for its low thermal drift
An X7R ceramic, for its high capacitance per volume
A tantalum bead, for its low leakage and small size
A polyester film, for its high working voltage
Quel type de condensateur préfère-t-on dans le circuit accordé d'un oscillateur stable ?
Un condensateur NP0 (C0G), pour sa faible dérive thermique
Un condensateur céramique X7R, pour sa forte capacité par volume
Un condensateur au tantale, pour sa faible fuite et sa petite taille
Un condensateur à film polyester, pour sa haute tension de service

Why is an aluminium electrolytic capacitor unsuitable for bypassing at radio frequencies on its own?
Its inductance and ESR make it a poor short at RF
Its capacitance is too small to have any effect at RF
Its polarity reverses on each RF half-cycle, which destroys it
Its leakage current shorts the supply at radio frequencies
Pourquoi un condensateur électrolytique à l'aluminium ne convient-il pas seul au découplage aux fréquences radio ?
Son inductance et son ESR le rendent inefficace en HF
Sa capacité est trop faible pour agir en HF
Sa polarité s'inverse à chaque alternance HF, ce qui le détruit
Son courant de fuite court-circuite l'alimentation en HF

Why should wire-wound resistors not be used in RF circuits such as dummy loads?
Their winding adds inductance, and so reactance
Their resistance falls sharply at radio frequencies
Their metal body radiates the power as RF instead of heat
Their value drifts too much with the heat of a dummy load
Pourquoi ne faut-il pas utiliser de résistances bobinées dans les circuits HF comme les charges fictives ?
Leur fil bobiné ajoute de l'inductance, donc de la réactance
Leur résistance chute fortement aux fréquences radio
Leur corps métallique rayonne la puissance en HF au lieu de la dissiper
Leur valeur dérive trop quand elles chauffent à pleine charge

What is the self-resonant frequency of an inductor?
The frequency where it resonates with its own capacitance
The frequency where its resistance equals its reactance
The frequency where its core losses equal its copper losses
The frequency where skin effect doubles its resistance
Qu'est-ce que la fréquence de résonance propre d'une bobine ?
La fréquence où elle résonne avec sa capacité répartie
La fréquence où sa résistance égale sa réactance
La fréquence où pertes fer et pertes cuivre s'égalent
La fréquence où l'effet de peau double sa résistance

What happens when a ferrite-cored transformer in a transmitter is driven into saturation?
Its inductance collapses, with heat and harmonics
Its inductance rises, so it passes lower frequencies
Its turns ratio changes, so the impedance it presents doubles
Its core losses fall, so it runs cooler at full power
Que se passe-t-il lorsqu'un transformateur à noyau de ferrite d'un émetteur est poussé en saturation ?
Son inductance s'effondre, d'où échauffement et harmoniques
Son inductance augmente et il transmet mieux les basses fréquences
Son rapport de spires change et son impédance double
Son noyau perd moins, il chauffe moins à pleine puissance

What is meant by the equivalent series resistance (ESR) of a capacitor?
Its internal losses shown as one resistance in series with it
Its insulation resistance shown in parallel with it
Its discharge resistance, fitted to bleed it safely
Its reactance at the frequency printed on its case
Que désigne la résistance série équivalente (ESR) d'un condensateur ?
Sa résistance de pertes internes, représentée en série
Sa résistance d'isolement, équivalente à une fuite en parallèle
Sa résistance de décharge, montée pour le vider sans danger
Sa réactance à la fréquence inscrite sur son boîtier

Why are air-spaced or vacuum variable capacitors used in high-power antenna tuners?
They withstand high RF voltages with very low loss
They give the highest capacitance per unit volume
They block DC while passing RF, unlike other capacitors
They cool the rest of the unit through their air gap
Pourquoi utilise-t-on des condensateurs variables à air ou sous vide dans les boîtes d'accord de forte puissance ?
Ils supportent des tensions HF élevées avec très peu de pertes
Ils offrent la plus forte capacité par unité de volume
Ils bloquent le continu tout en passant la HF, à la différence des autres
Ils refroidissent l'ensemble par leur lame d'air
""") + [
    toroid(20, 10e-6), toroid(48, 3e-6),
    toroid(10, 6.8e-6),
]

TOPIC = {
    "en": "Components and circuits",
    "fr": "Composants et circuits",
    "sections": [S_DIODES, S_BIPOLAR, S_FET, S_AMPLIFIERS, S_OPAMPS,
                 S_OSCILLATORS, S_MIXERS, S_DIGITAL, S_RFPARTS],
}
