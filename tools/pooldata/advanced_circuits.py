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
        [c, vs / i, (vs + vf) / i, vf / i], _ohm_fmt)


def bjt_ic(beta, ib):
    c = beta * ib
    return calc(
        "A transistor with an hFE of %d has a base current of %s. What is its collector current?" % (beta, si(ib, "A", "en")),
        "Un transistor de hFE \u00e9gal \u00e0 %d a un courant de base de %s. Quel est son courant de collecteur ?" % (beta, si(ib, "A", "fr")),
        [c, c * 10, c / 10, ib / beta], unit_fmt("A"))


def bjt_beta(ic, ib):
    c = ic / ib
    return calc(
        "A transistor has a collector current of %s for a base current of %s. What is its current gain?" % (si(ic, "A", "en"), si(ib, "A", "en")),
        "Un transistor a un courant de collecteur de %s pour un courant de base de %s. Quel est son gain en courant ?" % (si(ic, "A", "fr"), si(ib, "A", "fr")),
        [c, c * 10, c / 10, ib / ic], plain_fmt(""))


def ce_gain(rc, re):
    c = rc / re
    return calc(
        "A common-emitter stage has a %s collector load and an unbypassed %s emitter resistor. What is its voltage gain?" % (ohm_adj(rc, "en"), ohm_adj(re, "en")),
        "Un \u00e9tage \u00e0 \u00e9metteur commun a une charge de collecteur de %s et une r\u00e9sistance d'\u00e9metteur non d\u00e9coupl\u00e9e de %s. Quel est son gain en tension ?" % (si(rc, "ohms", "fr"), si(re, "ohms", "fr")),
        [c, re / rc, c * 10, c / 10], plain_fmt(""))


def inv_amp(rin, rf, vin):
    c = -rf / rin * vin
    return calc(
        "An inverting op-amp stage has Rin = %s and Rf = %s. What is the output for a +%s input?" % (si(rin, "ohms", "en"), si(rf, "ohms", "en"), si(vin, "V", "en")),
        "Un \u00e9tage inverseur \u00e0 amplificateur op\u00e9rationnel a Re = %s et Rf = %s. Quelle est la sortie pour une entr\u00e9e de +%s ?" % (si(rin, "ohms", "fr"), si(rf, "ohms", "fr"), si(vin, "V", "fr")),
        [c, -c, -(1 + rf / rin) * vin, -rin / rf * vin], unit_fmt("V"))


def noninv_amp(rg, rf):
    c = 1 + rf / rg
    return calc(
        "A non-inverting op-amp stage has %s from the inverting input to ground and %s of feedback. What is its gain?" % (si(rg, "ohms", "en"), si(rf, "ohms", "en")),
        "Un \u00e9tage non inverseur \u00e0 amplificateur op\u00e9rationnel a %s entre l'entr\u00e9e inverseuse et la masse et %s de contre-r\u00e9action. Quel est son gain ?" % (si(rg, "ohms", "fr"), si(rf, "ohms", "fr")),
        [c, c - 1, rg / rf, c * 2], plain_fmt(""))


def gbw(gbp, gain):
    c = gbp / gain
    return calc(
        "An op-amp with a %s gain-bandwidth product is set for a gain of %d. What bandwidth results?" % (si(gbp, "Hz", "en"), gain),
        "Un amplificateur op\u00e9rationnel de produit gain-bande %s est r\u00e9gl\u00e9 pour un gain de %d. Quelle bande passante obtient-on ?" % (si(gbp, "Hz", "fr"), gain),
        [c, gbp * gain, gbp, c / 10], unit_fmt("Hz"))


def pll_n(fref, fout):
    c = fout / fref
    return calc(
        "A PLL synthesizer has a %s reference. What divider ratio N gives an output of %s?" % (si(fref, "Hz", "en"), si(fout, "Hz", "en")),
        "Un synth\u00e9tiseur \u00e0 PLL a une r\u00e9f\u00e9rence de %s. Quel rapport de division N donne une sortie de %s ?" % (si(fref, "Hz", "fr"), si(fout, "Hz", "fr")),
        [c, c / 10, c * 10, c / 2], plain_fmt("", "", 6))


def xtal_ppm(f, ppm):
    c = f * ppm * 1e-6
    return calc(
        "A %s crystal oscillator has a frequency tolerance of %d ppm. What is the largest frequency error this allows?" % (si(f, "Hz", "en"), ppm),
        "Un oscillateur \u00e0 quartz de %s a une tol\u00e9rance de fr\u00e9quence de %d ppm. Quel est le plus grand \u00e9cart de fr\u00e9quence qu'elle autorise ?" % (si(f, "Hz", "fr"), ppm),
        [c, c * 10, c / 10, c * 1000], unit_fmt("Hz"))


def mixer(frf, flo):
    s, d = frf + flo, abs(frf - flo)
    return calc(
        "Signals of %s and %s are applied to a mixer. What are its main new output frequencies?" % (si(frf, "Hz", "en"), si(flo, "Hz", "en")),
        "On applique des signaux de %s et de %s \u00e0 un m\u00e9langeur. Quelles sont les principales fr\u00e9quences nouvelles en sortie ?" % (si(frf, "Hz", "fr"), si(flo, "Hz", "fr")),
        [(s, d), (2 * frf, 2 * flo), (frf * flo / 1e6, d / 2), (s / 2, d * 2)],
        lambda v, lang: "%s %s %s" % (si(v[0], "Hz", lang, 4), "and" if lang == "en" else "et", si(v[1], "Hz", lang, 4)))


def binary(bits):
    c = int(bits, 2)
    return calc(
        "What is the decimal value of the binary number %s?" % bits,
        "Quelle est la valeur d\u00e9cimale du nombre binaire %s ?" % bits,
        [c, int(bits[::-1], 2), c * 2, c - 1 if c % 2 else c + 1], lambda v, lang: str(v))


def hexnum(h):
    c = int(h, 16)
    return calc(
        "What is the decimal value of the hexadecimal number %s?" % h,
        "Quelle est la valeur d\u00e9cimale du nombre hexad\u00e9cimal %s ?" % h,
        [c, int(h, 10) if h.isdigit() else c + 10, c * 2, c - 16], lambda v, lang: str(v))


def divider(f, n):
    c = f / 2 ** n
    return calc(
        "A %s clock drives a chain of %d divide-by-two flip-flops. What frequency appears at the last output?" % (si(f, "Hz", "en"), n),
        "Une horloge de %s attaque une cha\u00eene de %d bascules diviseuses par deux. Quelle fr\u00e9quence appara\u00eet \u00e0 la derni\u00e8re sortie ?" % (si(f, "Hz", "fr"), n),
        [c, f / (2 * n), f / 2 ** (n - 1), f / 2 ** (n + 1)], unit_fmt("Hz", 4))


def toroid(al_nh, L):
    c = math.sqrt(L / (al_nh * 1e-9))
    return calc(
        "A toroid has an AL of %d nH per turn squared. About how many turns give %s?" % (al_nh, si(L, "H", "en")),
        "Un tore a un AL de %d nH par spire au carr\u00e9. Combien de spires environ donnent %s ?" % (al_nh, si(L, "H", "fr")),
        [round(c), round(c * c), round(c / 2), round(c * math.sqrt(10))], lambda v, lang: ("%d turns" if lang == "en" else "%d spires") % v)


def gm(did, dvg):
    c = did / dvg
    return calc(
        "A FET's drain current changes by %s when its gate-source voltage changes by %s. What is its transconductance?" % (si(did, "A", "en"), si(dvg, "V", "en")),
        "Le courant de drain d'un transistor \u00e0 effet de champ varie de %s quand sa tension grille-source varie de %s. Quelle est sa transconductance ?" % (si(did, "A", "fr"), si(dvg, "V", "fr")),
        [c, dvg / did, c * 1000, did * dvg], unit_fmt("S"))


S_DIODES = parse("""
What happens to the depletion region of a PN junction when reverse bias is increased?
It widens, so the junction capacitance decreases
It narrows, so the junction capacitance increases
It disappears and the diode conducts freely
It stays the same width but its resistance falls
Que devient la zone de déplétion d'une jonction PN lorsqu'on augmente la polarisation inverse ?
Elle s'élargit, si bien que la capacité de jonction diminue
Elle se rétrécit, si bien que la capacité de jonction augmente
Elle disparaît et la diode conduit librement
Elle garde la même largeur mais sa résistance diminue

In which region is a Zener diode operated when it is used as a voltage reference?
In reverse breakdown, where its voltage stays nearly constant
In forward conduction, where it drops about 0.6 V
Just below breakdown, where no current flows
In alternating forward and reverse conduction at the mains frequency
Dans quelle région fait-on fonctionner une diode Zener utilisée comme référence de tension ?
En claquage inverse, où sa tension reste presque constante
En conduction directe, où elle présente une chute d'environ 0,6 V
Juste en dessous du claquage, où aucun courant ne circule
En conduction alternativement directe et inverse à la fréquence du secteur

What is a varactor diode used for in radio equipment?
As a voltage-controlled capacitance for electronic tuning
As a high-current rectifier in power supplies
As a light source in front-panel displays
As a constant-current source for transistor bias circuits
À quoi sert une diode varicap dans un appareil radio ?
De capacité commandée en tension pour l'accord électronique
De redresseur à fort courant dans les alimentations
De source lumineuse pour les afficheurs de face avant
De source de courant constant pour les circuits de polarisation des transistors

Why are Schottky diodes often chosen for RF mixers and for the rectifiers of switching power supplies?
Low forward drop and very fast switching
They withstand reverse voltages of many kilovolts
They have a very high forward voltage drop that limits the current
They emit light when they conduct, which shows that the circuit is working
Pourquoi choisit-on souvent des diodes Schottky pour les mélangeurs HF et les redresseurs des alimentations à découpage ?
Faible chute directe et commutation très rapide
Elles supportent des tensions inverses de plusieurs kilovolts
Elles ont une très forte chute de tension directe qui limite le courant
Elles émettent de la lumière en conduction, ce qui montre que le circuit fonctionne

How does a PIN diode behave at radio frequencies, which makes it useful as an RF switch or attenuator?
As a resistance set by the direct current through it
It acts as a capacitance that rises with forward current
It rectifies the RF and passes only its positive half-cycles
It behaves as a tuned circuit resonant at its transit frequency
Comment se comporte une diode PIN aux fréquences radio, ce qui la rend utile comme commutateur ou atténuateur HF ?
Comme une résistance fixée par le courant continu qui la traverse
Comme une capacité qui augmente avec le courant direct
Elle redresse la HF et ne laisse passer que ses alternances positives
Comme un circuit accordé résonant à sa fréquence de transit

Why are resistors of equal value often connected across each diode when several rectifier diodes are placed in series?
To share the reverse voltage equally between the diodes
To increase the forward current the string can carry
To lower the forward voltage drop of the string
To make the diodes conduct on both half-cycles
Pourquoi branche-t-on souvent des résistances de même valeur aux bornes de chaque diode lorsque plusieurs diodes de redressement sont placées en série ?
Pour répartir également la tension inverse entre les diodes
Pour augmenter le courant direct que la chaîne peut supporter
Pour abaisser la chute de tension directe de la chaîne
Pour faire conduire les diodes pendant les deux alternances

What is the reverse recovery time of a rectifier diode?
The time it takes to stop conducting after the voltage across it reverses
The time it takes to start conducting after forward voltage is applied
The time it takes to cool down after an overload
The time for its reverse leakage to double with temperature
Qu'est-ce que le temps de recouvrement inverse d'une diode de redressement ?
Le temps qu'elle met à cesser de conduire après l'inversion de la tension à ses bornes
Le temps qu'elle met à commencer à conduire après l'application d'une tension directe
Le temps qu'elle met à refroidir après une surcharge
Le temps que met son courant de fuite inverse à doubler avec la température

Which kind of diode is most suitable as a detector for very weak RF signals, and why?
A germanium or Schottky diode, for its low forward voltage
A high-voltage silicon rectifier, because it withstands strong signals
A Zener diode, because it regulates the detected voltage
A light-emitting diode, because it shows when a signal is present
Quel type de diode convient le mieux comme détecteur de très faibles signaux HF, et pourquoi ?
Une diode au germanium ou Schottky, pour sa faible tension directe
Un redresseur au silicium haute tension, car il supporte les signaux forts
Une diode Zener, car elle régule la tension détectée
Une diode électroluminescente, car elle montre qu'un signal est présent
""") + [
    led_r(12.0, 2.0, 20e-3), led_r(13.8, 3.3, 15e-3),
    led_r(5.0, 2.1, 10e-3),
]

S_BIPOLAR = parse("""
How must the junctions of an NPN transistor be biased for it to work as a linear amplifier?
Base-emitter forward biased and base-collector reverse biased
Base-emitter reverse biased and base-collector forward biased
Both junctions forward biased
Both junctions reverse biased
Comment faut-il polariser les jonctions d'un transistor NPN pour qu'il fonctionne en amplificateur linéaire ?
Jonction base-émetteur en direct et jonction base-collecteur en inverse
Jonction base-émetteur en inverse et jonction base-collecteur en direct
Les deux jonctions en direct
Les deux jonctions en inverse

What is the alpha of a bipolar transistor?
The ratio of collector current to emitter current, slightly less than one
The ratio of collector current to base current, typically 50 to 300
The ratio of base current to emitter current, typically 10
The frequency at which the gain falls by 3 dB
Qu'est-ce que le gain alpha d'un transistor bipolaire ?
Le rapport du courant de collecteur au courant d'émetteur, un peu inférieur à un
Le rapport du courant de collecteur au courant de base, de 50 à 300 en général
Le rapport du courant de base au courant d'émetteur, de l'ordre de 10
La fréquence à laquelle le gain chute de 3 dB

What is the transition frequency (fT) of a transistor?
The frequency where its common-emitter current gain falls to one
The frequency at which it begins to oscillate in any circuit
The highest frequency at which it can be used as a switch
The frequency at which its collector current doubles
Qu'est-ce que la fréquence de transition (fT) d'un transistor ?
La fréquence où son gain en courant en émetteur commun tombe à un
La fréquence à laquelle il se met à osciller dans n'importe quel montage
La fréquence la plus élevée à laquelle il peut servir de commutateur
La fréquence à laquelle son courant de collecteur double

What is thermal runaway in a bipolar transistor stage, and how is it commonly prevented?
Heat raises the current, which adds heat; an emitter resistor prevents it
The transistor cools too quickly after switch-off; a slower bias prevents it
The base current falls with heat until the stage stops; a higher supply prevents it
The collector current reverses when hot; a diode in series with the collector prevents it
Qu'est-ce que l'emballement thermique d'un étage à transistor bipolaire, et comment l'empêche-t-on couramment ?
La chaleur accroît le courant, qui chauffe encore ; une résistance d'émetteur l'empêche
Le transistor refroidit trop vite après la coupure ; une polarisation plus lente l'empêche
Le courant de base baisse à chaud jusqu'à l'arrêt de l'étage ; une alimentation plus forte l'empêche
Le courant de collecteur s'inverse à chaud ; une diode en série avec le collecteur l'empêche

What is the main property of a Darlington pair?
Its current gain is roughly the product of the two gains
Its current gain is the sum of the two gains, plus one
It has a lower base-emitter voltage than a single transistor
It can only be used as a switch, never as an amplifier
Quelle est la principale propriété d'un montage Darlington ?
Son gain en courant est à peu près le produit des deux gains
Son gain en courant est la somme des deux gains, plus un
Il présente une tension base-émetteur plus faible qu'un transistor seul
Il ne peut servir que de commutateur, jamais d'amplificateur

A transistor amplifier has no base current at all. In what state is the transistor?
Cut off, with almost no collector current
Saturated, with maximum collector current
In its linear region, with half the maximum collector current
In breakdown, with a large reverse current
Un amplificateur à transistor n'a aucun courant de base. Dans quel état se trouve le transistor ?
Bloqué, avec un courant de collecteur presque nul
Saturé, avec un courant de collecteur maximal
En régime linéaire, avec la moitié du courant de collecteur maximal
En claquage, avec un fort courant inverse
""") + [
    bjt_ic(100, 50e-6), bjt_ic(150, 20e-6),
    bjt_beta(30e-3, 0.25e-3),
    bjt_beta(100e-3, 2e-3),
    bjt_beta(1.2, 40e-3),
]

S_FET = parse("""
What is the main advantage of a field-effect transistor over a bipolar transistor at the input of an amplifier?
Its very high input impedance, since the gate draws almost no current
Its very low input impedance, which suits low-impedance sources
Its higher current gain at direct current
Its ability to work without any supply voltage
Quel est le principal avantage d'un transistor à effet de champ sur un transistor bipolaire à l'entrée d'un amplificateur ?
Sa très forte impédance d'entrée, puisque la grille n'absorbe presque aucun courant
Sa très faible impédance d'entrée, adaptée aux sources de basse impédance
Son gain en courant plus élevé en continu
Sa capacité à fonctionner sans tension d'alimentation

How does the drain current of an N-channel JFET change as its gate is made more negative than its source?
It falls until the channel pinches off
It increases until the channel saturates
It is unaffected, because the gate is insulated
It reverses direction
Comment varie le courant de drain d'un JFET canal N quand sa grille devient plus négative que sa source ?
Il diminue jusqu'au pincement du canal
Il augmente jusqu'à la saturation du canal
Il ne change pas, car la grille est isolée
Il change de sens

Why must MOSFETs be handled with precautions against static electricity?
Their very thin gate insulation can be punctured by a static discharge
Static electricity changes their channel type from N to P
Their source and drain are made of materials that attract dust
Static charges raise their threshold voltage permanently by several hundred volts
Pourquoi faut-il manipuler les MOSFET avec des précautions contre l'électricité statique ?
Leur très mince isolant de grille peut être percé par une décharge électrostatique
L'électricité statique transforme leur canal N en canal P
Leur source et leur drain sont faits de matériaux qui attirent la poussière
Les charges statiques élèvent leur tension de seuil de plusieurs centaines de volts de façon permanente

How does an enhancement-mode MOSFET differ from a depletion-mode device?
It is off at zero gate voltage and conducts above its threshold
It conducts fully at zero gate voltage and must be biased off
It has no gate and is controlled by light
It can only be used at audio frequencies
En quoi un MOSFET à enrichissement diffère-t-il d'un composant à appauvrissement ?
Il est bloqué à tension de grille nulle et conduit au-delà de son seuil
Il conduit pleinement à tension de grille nulle et doit être polarisé pour se bloquer
Il n'a pas de grille et se commande par la lumière
Il ne peut servir qu'aux fréquences audio

What is an advantage of a dual-gate MOSFET in the RF amplifier or mixer of a receiver?
The second gate can take AGC or the LO, with little feedback
Both gates must be driven in phase, which doubles the input power
The second gate provides a built-in voltage regulator
Its two gates make it work without a drain supply
Quel est l'avantage d'un MOSFET à double grille dans l'amplificateur HF ou le mélangeur d'un récepteur ?
La seconde grille peut recevoir la CAG ou l'OL, avec peu de réaction
Les deux grilles doivent être attaquées en phase, ce qui double la puissance d'entrée
La seconde grille fournit un régulateur de tension intégré
Ses deux grilles lui permettent de fonctionner sans alimentation de drain

What is the transconductance of a field-effect transistor?
The change in drain current per volt of gate voltage change, in siemens
The ratio of drain voltage to gate current, expressed in ohms
The current gain from gate to drain, without units
The capacitance between gate and channel, in picofarads
Qu'est-ce que la transconductance d'un transistor à effet de champ ?
La variation du courant de drain par volt de tension de grille, en siemens
Le rapport de la tension de drain au courant de grille, exprimé en ohms
Le gain en courant de la grille vers le drain, sans unité
La capacité entre la grille et le canal, en picofarads

Which terminals of a field-effect transistor correspond to the base, collector and emitter of a bipolar transistor?
Gate, drain and source
Source, gate and drain
Drain, source and gate
Gate, source and drain
Quelles électrodes d'un transistor à effet de champ correspondent à la base, au collecteur et à l'émetteur d'un transistor bipolaire ?
La grille, le drain et la source
La source, la grille et le drain
Le drain, la source et la grille
La grille, la source et le drain

What are the main features of a common-gate FET amplifier?
Low input impedance and no phase inversion
Very high input impedance and a voltage gain of exactly one
Phase inversion and a very high output impedance with no gain
Current gain but no voltage gain, like an emitter follower
Quelles sont les principales caractéristiques d'un amplificateur à transistor à effet de champ en grille commune ?
Faible impédance d'entrée et pas d'inversion de phase
Très forte impédance d'entrée et gain en tension exactement égal à un
Inversion de phase et très forte impédance de sortie sans aucun gain
Gain en courant sans gain en tension, comme un émetteur suiveur

Why are LDMOS transistors widely used in modern solid-state HF and VHF power amplifiers?
High gain and power at high supply voltage, and ruggedness
They need no heat sink, even at full output
They work only in class A, which gives the best efficiency
They need no bias and no input matching
Pourquoi utilise-t-on largement des transistors LDMOS dans les amplificateurs de puissance modernes à semi-conducteurs en HF et VHF ?
Un gain et une puissance élevés sous forte tension, et leur robustesse
Ils n'ont besoin d'aucun dissipateur, même à pleine puissance
Ils ne fonctionnent qu'en classe A, qui offre le meilleur rendement
Ils n'exigent ni polarisation ni adaptation d'entrée
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
Quel montage de transistor donne à la fois un gain en tension et un gain en courant, avec une sortie inversée par rapport à l'entrée ?
L'émetteur commun
Le collecteur commun
La base commune
Le drain commun

What are the properties of an emitter follower (common-collector stage)?
A voltage gain just below one, a high input impedance and a low output impedance
A high voltage gain, a low input impedance and a high output impedance
A current gain below one and a phase inversion
A voltage gain of about ten and an input impedance equal to the output impedance
Quelles sont les propriétés d'un émetteur suiveur (montage à collecteur commun) ?
Un gain en tension un peu inférieur à un, une forte impédance d'entrée et une faible impédance de sortie
Un fort gain en tension, une faible impédance d'entrée et une forte impédance de sortie
Un gain en courant inférieur à un et une inversion de phase
Un gain en tension d'environ dix et une impédance d'entrée égale à l'impédance de sortie

What are the characteristics of a common-base amplifier?
Low input impedance and voltage gain without phase inversion
High input impedance and a current gain of about a hundred
Phase inversion and a voltage gain below one
Very high input impedance and high current gain
Quelles sont les caractéristiques d'un amplificateur à base commune ?
Faible impédance d'entrée et gain en tension sans inversion de phase
Forte impédance d'entrée et gain en courant d'environ cent
Inversion de phase et gain en tension inférieur à un
Très forte impédance d'entrée et fort gain en courant

Why is a capacitor often connected across the emitter resistor of a common-emitter stage?
It removes AC feedback to raise the gain, keeping DC stability
It blocks the direct current from the emitter
It tunes the stage to the operating frequency
It raises the input impedance of the stage to several megohms
Pourquoi branche-t-on souvent un condensateur aux bornes de la résistance d'émetteur d'un étage à émetteur commun ?
Il supprime la contre-réaction alternative pour augmenter le gain, sans nuire à la stabilité continue
Il bloque le courant continu de l'émetteur
Il accorde l'étage sur la fréquence de travail
Il porte l'impédance d'entrée de l'étage à plusieurs mégohms

Which is an effect of applying negative feedback to an amplifier?
Lower gain, with less distortion and a wider bandwidth
Higher gain, with more distortion and a narrower bandwidth
Oscillation at the frequency of highest gain
A change of the output signal from AC to DC
Quel est l'un des effets de l'application d'une contre-réaction à un amplificateur ?
Un gain réduit, avec moins de distorsion et une bande passante plus large
Un gain accru, avec plus de distorsion et une bande passante plus étroite
Une oscillation à la fréquence de gain maximal
La transformation du signal de sortie d'alternatif en continu

Why is voltage-divider bias with an emitter resistor preferred to a single base resistor from the supply?
It fixes the operating point almost independently of the transistor's gain
It needs fewer components
It gives the transistor a higher current gain at high temperatures, where it is most needed
It removes the need for coupling capacitors
Pourquoi préfère-t-on la polarisation par pont diviseur avec résistance d'émetteur à une simple résistance de base reliée à l'alimentation ?
Elle fixe le point de repos presque indépendamment du gain du transistor
Elle nécessite moins de composants
Elle donne au transistor un gain en courant plus élevé à haute température, là où il en a besoin
Elle supprime le besoin de condensateurs de liaison

What is the Miller effect in an inverting amplifier stage?
The output-to-input capacitance appears multiplied by the gain
The gain rises at high frequency because of the collector inductance
The output impedance falls to zero at resonance
The bias point shifts when the supply voltage changes
Qu'est-ce que l'effet Miller dans un étage amplificateur inverseur ?
La capacité sortie-entrée apparaît multipliée par le gain
Le gain augmente aux hautes fréquences à cause de l'inductance de collecteur
L'impédance de sortie tombe à zéro à la résonance
Le point de repos se déplace quand la tension d'alimentation varie

Why are coupling capacitors used between transistor amplifier stages?
To pass the signal while keeping the stages' DC bias separate
To add gain to the signal between the stages
To filter the power supply ripple from the signal
To set the DC operating point of the following stage
Pourquoi utilise-t-on des condensateurs de liaison entre les étages d'un amplificateur à transistors ?
Pour transmettre le signal en séparant la polarisation des étages
Pour ajouter du gain au signal entre les étages
Pour filtrer l'ondulation de l'alimentation dans le signal
Pour fixer le point de repos continu de l'étage suivant
""") + [
    ce_gain(4.7e3, 470.0), ce_gain(10e3, 220.0),
    ce_gain(2.2e3, 100.0),
]

S_OPAMPS = parse("""
Which describes an ideal operational amplifier?
Infinite open-loop gain, infinite input impedance and zero output impedance
A gain of exactly one, zero input impedance and infinite output impedance
Infinite gain at direct current only, falling to zero at 1 kHz
A fixed gain of 100 and an input impedance of 50 ohms
Qu'est-ce qui caractérise un amplificateur opérationnel idéal ?
Un gain en boucle ouverte infini, une impédance d'entrée infinie et une impédance de sortie nulle
Un gain exactement égal à un, une impédance d'entrée nulle et une impédance de sortie infinie
Un gain infini en continu seulement, tombant à zéro à 1 kHz
Un gain fixe de 100 et une impédance d'entrée de 50 ohms

What is an op-amp voltage follower used for?
As a unity-gain buffer with high input impedance
As a voltage doubler for power supplies
As an oscillator at the unity-gain frequency
As an inverting amplifier with a gain of minus one hundred
À quoi sert un amplificateur opérationnel monté en suiveur de tension ?
De tampon de gain un à forte impédance d'entrée
De doubleur de tension pour les alimentations
D'oscillateur à la fréquence de gain unité
D'amplificateur inverseur de gain moins cent

What is the slew rate of an operational amplifier?
The fastest rate of change of its output, in volts per microsecond
The rate at which its gain falls with frequency, in decibels per octave
The time it takes to warm up after switch-on
The drift of its output voltage with temperature
Qu'est-ce que la vitesse de balayage (slew rate) d'un amplificateur opérationnel ?
La vitesse maximale de variation de sa sortie, en volts par microseconde
La vitesse à laquelle son gain décroît avec la fréquence, en décibels par octave
Le temps qu'il met à chauffer après la mise sous tension
La dérive de sa tension de sortie avec la température

How does an op-amp behave when used without feedback as a comparator?
Its output swings to one supply limit or the other
Its output follows the difference between the inputs with a gain of one
Its output stays at zero volts whatever the inputs
Its output oscillates at a frequency set by the input voltages
Comment se comporte un amplificateur opérationnel utilisé sans contre-réaction en comparateur ?
Sa sortie bascule vers l'une ou l'autre limite d'alimentation
Sa sortie suit la différence entre les entrées avec un gain de un
Sa sortie reste à zéro volt quelles que soient les entrées
Sa sortie oscille à une fréquence fixée par les tensions d'entrée

What is an advantage of an active audio filter built with op-amps for CW reception?
Sharp responses without inductors, with gain instead of loss
It works at any radio frequency without adjustment
It needs no power supply
It removes noise at the same frequency as the wanted signal
Quel est l'avantage d'un filtre audio actif à amplificateurs opérationnels pour la réception de la télégraphie ?
Des réponses étroites sans bobines, avec du gain au lieu de pertes
Il fonctionne à n'importe quelle fréquence radio sans réglage
Il ne nécessite aucune alimentation
Il élimine le bruit situé à la même fréquence que le signal utile

What is the input offset voltage of an operational amplifier?
The input voltage needed to bring the output to zero
The voltage at which the inputs break down
The supply voltage minus the largest output swing
The voltage gain measured with the inputs open
Qu'est-ce que la tension de décalage d'entrée d'un amplificateur opérationnel ?
La tension d'entrée nécessaire pour ramener la sortie à zéro
La tension à laquelle les entrées claquent
La tension d'alimentation moins l'excursion de sortie maximale
Le gain en tension mesuré entrées en l'air
""") + [
    inv_amp(10e3, 100e3, 0.2), inv_amp(2.2e3, 47e3, 0.1),
    noninv_amp(1e3, 22e3), gbw(1e6, 50),
    noninv_amp(4.7e3, 47e3),
]

S_OSCILLATORS = parse("""
Which conditions must be met for an amplifier with feedback to sustain oscillation?
A loop gain of at least one and an in-phase feedback signal
A loop gain of less than one and a phase shift of 90 degrees
The feedback must be negative and the gain infinite
The supply voltage must equal the output voltage
Quelles conditions un amplificateur à réaction doit-il remplir pour entretenir une oscillation ?
Un gain de boucle d'au moins un et un signal de réaction en phase
Un gain de boucle inférieur à un et un déphasage de 90 degrés
La réaction doit être négative et le gain infini
La tension d'alimentation doit être égale à la tension de sortie

How is feedback obtained in a Colpitts oscillator?
From a capacitive voltage divider across the tuned circuit
From a tap on the tuning coil
From a separate feedback winding coupled to the tank coil
From a crystal in the emitter lead only
Comment la réaction est-elle obtenue dans un oscillateur Colpitts ?
Par un diviseur de tension capacitif aux bornes du circuit accordé
Par une prise sur la bobine d'accord
Par un enroulement de réaction séparé couplé à la bobine du circuit oscillant
Par un quartz placé seulement dans la connexion d'émetteur

How is feedback obtained in a Hartley oscillator?
From a tap on the inductor of the tuned circuit
From a capacitive divider across the tuned circuit
From a resistor-capacitor phase-shift network
From a quartz crystal between collector and base
Comment la réaction est-elle obtenue dans un oscillateur Hartley ?
Par une prise sur la bobine du circuit accordé
Par un diviseur capacitif aux bornes du circuit accordé
Par un réseau de déphasage résistance-condensateur
Par un quartz placé entre collecteur et base

Why does a crystal oscillator have much better frequency stability than an LC oscillator?
The crystal is a very high-Q resonator of stable dimensions
The crystal supplies extra energy that keeps the amplitude constant
The crystal cancels the effect of temperature on the transistor
The crystal oscillates at a lower frequency, where drift is negligible
Pourquoi un oscillateur à quartz a-t-il une bien meilleure stabilité de fréquence qu'un oscillateur LC ?
Le quartz est un résonateur de très haut Q aux dimensions stables
Le quartz fournit une énergie supplémentaire qui maintient l'amplitude constante
Le quartz annule l'effet de la température sur le transistor
Le quartz oscille à une fréquence plus basse, où la dérive est négligeable

What is the purpose of a buffer amplifier placed after an oscillator?
To keep load changes in later stages from pulling the oscillator
To multiply the oscillator frequency by two
To filter out the oscillator's fundamental frequency before the mixer
To supply the DC bias for the oscillator transistor
Quel est le rôle d'un amplificateur tampon placé après un oscillateur ?
Empêcher les variations de charge des étages suivants d'entraîner l'oscillateur
Multiplier par deux la fréquence de l'oscillateur
Éliminer la fréquence fondamentale de l'oscillateur avant le mélangeur
Fournir la polarisation continue du transistor de l'oscillateur

Which blocks make up a basic phase-locked loop frequency synthesizer?
Reference, phase detector, loop filter, VCO and divider
A crystal, a mixer, a product detector and a loudspeaker
A rectifier, a smoothing capacitor and a voltage regulator
A balanced modulator, a sideband filter and a linear amplifier
Quels blocs constituent un synthétiseur de fréquence élémentaire à boucle à verrouillage de phase ?
Référence, comparateur de phase, filtre de boucle, VCO et diviseur
Un quartz, un mélangeur, un détecteur de produit et un haut-parleur
Un redresseur, un condensateur de filtrage et un régulateur de tension
Un modulateur équilibré, un filtre de bande latérale et un amplificateur linéaire

In a VHF transceiver every frequency is synthesized from one 10 MHz reference oscillator, which turns out to be 5 ppm high. The display shows 144.300 MHz. By about how much, and in which direction, is the transmitted frequency wrong?
About 720 Hz high, since every synthesized frequency scales with the reference
About 50 Hz high, the same error in hertz as the reference itself
About 720 Hz low, because the loop inverts the reference error
Not at all, since the loop locks exactly onto the displayed frequency
Dans un émetteur-récepteur VHF, toutes les fréquences sont synthétisées à partir d'un seul oscillateur de référence de 10 MHz, qui se révèle trop haut de 5 ppm. L'affichage indique 144,300 MHz. De combien, et dans quel sens, la fréquence émise est-elle fausse ?
D'environ 720 Hz vers le haut, car toute fréquence synthétisée suit la référence
D'environ 50 Hz vers le haut, la même erreur en hertz que la référence
D'environ 720 Hz vers le bas, car la boucle inverse l'erreur de la référence
D'aucune, car la boucle se verrouille exactement sur la fréquence affichée
""") + [
    pll_n(12.5e3, 145.5e6), pll_n(1e3, 7.074e6),
    xtal_ppm(28e6, 5),
    pll_n(25e3, 432.1e6),
]

S_MIXERS = parse("""
What is the basic function of a mixer in a radio circuit?
It produces new signals at the sum and difference frequencies
It adds two audio signals for the transmitter's microphone input
It amplifies a signal without changing its frequency
It removes one sideband from an AM signal
Quelle est la fonction fondamentale d'un mélangeur dans un circuit radio ?
Il produit de nouveaux signaux aux fréquences somme et différence
Il additionne deux signaux audio pour l'entrée micro de l'émetteur
Il amplifie un signal sans en changer la fréquence
Il supprime une bande latérale d'un signal AM

What is the advantage of a balanced mixer over a single-ended mixer?
One or both inputs are suppressed at the output, easing filtering
It produces only the sum frequency, with no difference frequency
It needs no local oscillator signal
It amplifies both input signals by 20 dB
Quel est l'avantage d'un mélangeur équilibré sur un mélangeur asymétrique ?
L'une des entrées ou les deux sont supprimées en sortie, ce qui facilite le filtrage
Il ne produit que la fréquence somme, sans fréquence différence
Il n'a pas besoin de signal d'oscillateur local
Il amplifie les deux signaux d'entrée de 20 dB

Which is a typical feature of a passive diode-ring doubly balanced mixer?
Good port isolation and 6 to 7 dB of conversion loss
A conversion gain of about 20 dB with almost no LO drive
No output at the difference frequency
It works only at audio frequencies
Quelle est une caractéristique typique d'un mélangeur doublement équilibré passif à anneau de diodes ?
Une bonne isolation des accès et 6 à 7 dB de perte de conversion
Un gain de conversion d'environ 20 dB avec une attaque OL presque nulle
Aucune sortie à la fréquence différence
Il ne fonctionne qu'aux fréquences audio

How does a frequency multiplier stage work?
A non-linear stage makes harmonics and its output is tuned to one
A linear class A stage adds the input frequency to itself
A mixer combines the signal with the mains frequency
A divider counts the input cycles and outputs a faster pulse train
Comment fonctionne un étage multiplicateur de fréquence ?
Un étage non linéaire crée des harmoniques et sa sortie est accordée sur l'un d'eux
Un étage linéaire en classe A additionne la fréquence d'entrée à elle-même
Un mélangeur combine le signal avec la fréquence du secteur
Un diviseur compte les cycles d'entrée et fournit un train d'impulsions plus rapide

Why does a frequency multiplier in an FM transmitter also multiply the deviation?
Every instantaneous frequency is multiplied, so the swing is too
The multiplier adds its own audio modulation
Deviation depends only on output power, which the multiplier raises
It does not; deviation stays the same through a multiplier
Pourquoi un multiplicateur de fréquence dans un émetteur FM multiplie-t-il aussi l'excursion ?
Chaque fréquence instantanée est multipliée, donc l'écart aussi
Le multiplicateur ajoute sa propre modulation audio
L'excursion ne dépend que de la puissance de sortie, que le multiplicateur augmente
Ce n'est pas le cas ; l'excursion reste la même à travers un multiplicateur

What is a product detector?
A mixer that beats the IF signal with a BFO to recover SSB or CW
A diode detector that measures the product of voltage and current
A circuit that multiplies the audio gain by the AGC voltage
A discriminator for FM signals
Qu'est-ce qu'un détecteur de produit ?
Un mélangeur qui bat le signal FI avec un BFO pour restituer la BLU ou la télégraphie
Un détecteur à diode qui mesure le produit de la tension par le courant
Un circuit qui multiplie le gain audio par la tension de CAG
Un discriminateur pour signaux FM

Why must the local oscillator drive to a diode mixer be kept at the level its maker specifies?
Too little raises loss and distortion; too much adds noise or damage
The LO level sets the frequency of the output signal
A high LO level is needed only on transmit
The LO level has no effect as long as its frequency is right
Pourquoi faut-il maintenir l'attaque de l'oscillateur local d'un mélangeur à diodes au niveau indiqué par le fabricant ?
Trop faible, elle accroît pertes et distorsion ; trop forte, bruit ou dégâts
Le niveau OL fixe la fréquence du signal de sortie
Un niveau OL élevé n'est nécessaire qu'en émission
Le niveau OL n'a aucun effet tant que sa fréquence est juste

Which unwanted outputs must be filtered away after a single-ended (unbalanced) mixer?
The input frequencies themselves, harmonics and other products
Only the wanted sum frequency
Only the direct current from the supply
Nothing, since a mixer produces only the wanted signal
Quelles sorties indésirables faut-il éliminer par filtrage après un mélangeur asymétrique (non équilibré) ?
Les fréquences d'entrée elles-mêmes, les harmoniques et autres produits
Seulement la fréquence somme recherchée
Seulement le courant continu de l'alimentation
Rien, puisqu'un mélangeur ne produit que le signal voulu
""") + [
    mixer(14.2e6, 9e6), mixer(3.7e6, 5.2e6), mixer(144.3e6, 116e6),
]

S_DIGITAL = parse("""
When is the output of a two-input AND gate at logic 1?
Only when both inputs are at logic 1
When either input or both inputs are at logic 1
Only when both inputs are at logic 0
When the two inputs differ
Quand la sortie d'une porte ET à deux entrées est-elle au niveau logique 1 ?
Seulement quand les deux entrées sont au niveau 1
Quand l'une des entrées ou les deux sont au niveau 1
Seulement quand les deux entrées sont au niveau 0
Quand les deux entrées sont différentes

When is the output of a two-input exclusive-OR (XOR) gate at logic 1?
When the two inputs are different
When both inputs are at logic 1
When both inputs are at logic 0
Whenever at least one input is at logic 0
Quand la sortie d'une porte OU exclusif (XOR) à deux entrées est-elle au niveau logique 1 ?
Quand les deux entrées sont différentes
Quand les deux entrées sont au niveau 1
Quand les deux entrées sont au niveau 0
Dès qu'au moins une entrée est au niveau 0

Why are NAND gates called universal gates?
Any logic function can be built from NAND gates alone
They work with every supply voltage
They have an unlimited number of inputs
They can replace a flip-flop, but only inside counters
Pourquoi dit-on que les portes NON-ET sont des portes universelles ?
Toute fonction logique peut être réalisée avec des portes NON-ET seules
Elles fonctionnent avec toutes les tensions d'alimentation
Elles ont un nombre illimité d'entrées
Elles peuvent remplacer une bascule, mais seulement dans les compteurs

What does a D-type flip-flop do at the active edge of its clock?
It copies its D input to Q and holds it until the next edge
It inverts its output whatever the D input
It resets its output to 0 regardless of the inputs
It passes the clock signal straight to its output
Que fait une bascule de type D au front actif de son horloge ?
Elle recopie son entrée D sur Q et la conserve jusqu'au front suivant
Elle inverse sa sortie quelle que soit l'entrée D
Elle remet sa sortie à 0 quelles que soient les entrées
Elle transmet directement le signal d'horloge à sa sortie

How many distinct states does a decade counter step through before it repeats?
Ten
Eight
Sixteen
Twelve
Par combien d'états distincts un compteur décimal passe-t-il avant de recommencer ?
Dix
Huit
Seize
Douze

What is the purpose of a Schmitt trigger input on a logic circuit?
Its hysteresis gives clean switching from slow or noisy inputs
It doubles the logic voltage levels
It stores one bit of data until reset
It counts input pulses up to a programmed value, then resets
À quoi sert une entrée à trigger de Schmitt sur un circuit logique ?
Son hystérésis donne des basculements nets sur des entrées lentes ou bruitées
Elle double les niveaux de tension logiques
Elle mémorise un bit jusqu'à la remise à zéro
Elle compte les impulsions d'entrée jusqu'à une valeur programmée, puis se remet à zéro

How many discrete levels can a 12-bit analogue-to-digital converter resolve?
4096
1024
12
144
Combien de niveaux distincts un convertisseur analogique-numérique de 12 bits peut-il résoudre ?
4096
1024
12
144

What does a shift register do?
It moves its bits one place at each clock pulse
It changes the frequency of a signal by shifting its phase
It stores an analogue voltage for later use
It selects one of several inputs according to an address
Que fait un registre à décalage ?
Il décale ses bits d'un rang à chaque impulsion d'horloge
Il change la fréquence d'un signal en décalant sa phase
Il mémorise une tension analogique pour un usage ultérieur
Il sélectionne l'une de plusieurs entrées selon une adresse
""") + [
    binary("110101"), hexnum("3C"),
    divider(10.24e6, 10),
]

S_RFPARTS = parse("""
What is skin effect and how does it affect conductors at radio frequencies?
RF current crowds near the surface, raising the effective resistance
RF current flows only in the centre of the conductor, lowering its resistance
The insulation of the wire becomes conductive at high frequency
The conductor radiates its heat through its outer skin
Qu'est-ce que l'effet de peau et comment agit-il sur les conducteurs aux fréquences radio ?
Le courant HF se concentre en surface, ce qui accroît la résistance effective
Le courant HF ne circule qu'au centre du conducteur, ce qui réduit sa résistance
L'isolant du fil devient conducteur en haute fréquence
Le conducteur évacue sa chaleur par sa surface extérieure

Which type of capacitor is preferred in the tuned circuit of a stable oscillator?
An NP0 (C0G) ceramic or silver mica capacitor
An aluminium electrolytic capacitor
A high-value ceramic capacitor with a large temperature coefficient
A tantalum capacitor
Quel type de condensateur préfère-t-on dans le circuit accordé d'un oscillateur stable ?
Un condensateur céramique NP0 (C0G) ou au mica argenté
Un condensateur électrolytique à l'aluminium
Un condensateur céramique de forte valeur à fort coefficient de température
Un condensateur au tantale

Why is an aluminium electrolytic capacitor unsuitable for bypassing at radio frequencies on its own?
Its inductance and series resistance make it a poor short circuit at RF
It cannot withstand any DC voltage
Its capacitance is far too small to have any effect at radio frequencies
It conducts direct current freely
Pourquoi un condensateur électrolytique à l'aluminium ne convient-il pas seul au découplage aux fréquences radio ?
Son inductance et sa résistance série en font un mauvais court-circuit en HF
Il ne supporte aucune tension continue
Sa capacité est bien trop faible pour avoir un effet aux fréquences radio
Il laisse passer librement le courant continu

Why should wire-wound resistors not be used in RF circuits such as dummy loads?
Their winding adds inductance and so reactance
Their resistance falls to zero at radio frequencies
They cannot dissipate any power
They are polarised and must be fitted the right way round
Pourquoi ne faut-il pas utiliser de résistances bobinées dans les circuits HF comme les charges fictives ?
Leur bobinage ajoute de l'inductance, donc de la réactance
Leur résistance tombe à zéro aux fréquences radio
Elles ne peuvent dissiper aucune puissance
Elles sont polarisées et doivent être montées dans le bon sens

What is the self-resonant frequency of an inductor?
Where it resonates with its own distributed capacitance
The frequency at which its resistance equals its reactance
The frequency at which its core saturates
The lowest frequency at which it has any reactance
Qu'est-ce que la fréquence de résonance propre d'une bobine ?
Celle où elle résonne avec sa propre capacité répartie
La fréquence à laquelle sa résistance est égale à sa réactance
La fréquence à laquelle son noyau sature
La plus basse fréquence à laquelle elle présente une réactance

What happens when a ferrite-cored transformer in a transmitter is driven into saturation?
Its inductance collapses, causing heat and harmonics
Its inductance rises and the output improves
It becomes a perfect insulator and stops all current
Its turns ratio doubles
Que se passe-t-il lorsqu'un transformateur à noyau de ferrite d'un émetteur est poussé en saturation ?
Son inductance s'effondre, d'où échauffement et harmoniques
Son inductance augmente et la sortie s'améliore
Il devient un isolant parfait et bloque tout courant
Son rapport de transformation double

What is meant by the equivalent series resistance (ESR) of a capacitor?
Its internal losses shown as a resistance in series with it
The resistance of its insulation measured with direct current
The resistance needed to discharge it safely
The reactance of the capacitor at its rated frequency
Que désigne la résistance série équivalente (ESR) d'un condensateur ?
Ses pertes internes représentées par une résistance en série
La résistance de son isolant mesurée en courant continu
La résistance nécessaire pour le décharger sans danger
La réactance du condensateur à sa fréquence nominale

Why are air-spaced or vacuum variable capacitors used in high-power antenna tuners?
They withstand high RF voltages with very low loss
They have the highest capacitance per unit volume
They are polarised, which suits RF signals
They change value automatically with frequency
Pourquoi utilise-t-on des condensateurs variables à air ou sous vide dans les boîtes d'accord de forte puissance ?
Ils supportent des tensions HF élevées avec très peu de pertes
Ils offrent la plus forte capacité par unité de volume
Ils sont polarisés, ce qui convient aux signaux HF
Leur valeur change automatiquement avec la fréquence
""") + [
    toroid(20, 10e-6), toroid(48, 3e-6),
    toroid(10, 4.7e-6),
]

TOPIC = {
    "en": "Components and circuits",
    "fr": "Composants et circuits",
    "sections": [S_DIODES, S_BIPOLAR, S_FET, S_AMPLIFIERS, S_OPAMPS,
                 S_OSCILLATORS, S_MIXERS, S_DIGITAL, S_RFPARTS],
}
