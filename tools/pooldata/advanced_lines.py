"""Advanced topic 8: feed lines and impedance matching."""

import math

from advanced_calc import calc, parse, si, num, unit_fmt, plain_fmt, ohm_adj


def _m(v, lang):
    return "%s m" % num(v, lang, 3)


def _ohm_fmt(v, lang):
    return si(v, "ohms", lang, 3)


def _swr(v, lang):
    return num(v, lang, 2) + ":1"


def line_loss(p, loss):
    c = p * 10 ** (-loss / 10.0)
    # Slips: decibels taken from the watts, 20 log for a power ratio, the
    # loss taken as a gain, a tenth of the power per decibel, watts divided
    # by the decibels, a percent per decibel, the loss counted twice.
    return calc(
        "A transmitter feeds %s into a matched line with %s dB of loss. What power reaches the antenna?" % (si(p, "W", "en"), num(loss, "en")),
        "Un \u00e9metteur fournit %s \u00e0 une ligne adapt\u00e9e de %s dB de pertes. Quelle puissance atteint l'antenne ?" % (si(p, "W", "fr"), num(loss, "fr")),
        [c, p - loss, p * 10 ** (-loss / 20.0), p * 10 ** (loss / 10.0), p * (1 - loss / 10.0),
         p / loss, p * (1 - loss / 100.0), p * 10 ** (-loss / 5.0)], unit_fmt("W"))


def stub(f, vf):
    c = 75.0 * vf / f
    # Slips: velocity factor left out, divided by or applied twice, a half
    # wave or a full wave instead of a quarter, an eighth wave, an antenna's
    # end-effect factor applied to a line as well.
    return calc(
        "How long is a quarter-wave stub for %s MHz in cable with a velocity factor of %s?" % (num(f, "en", 5), num(vf, "en")),
        "Quelle est la longueur d'un stub quart d'onde pour %s MHz en c\u00e2ble de coefficient de v\u00e9locit\u00e9 %s ?" % (num(f, "fr", 5), num(vf, "fr")),
        [c, 75.0 / f, 75.0 / (f * vf), 2 * c, 4 * c, c / 2, 150.0 / (f * vf), 75.0 * vf * vf / f,
         71.25 * vf / f], _m)


def swr_z(zl, z0):
    c = max(zl / z0, z0 / zl)
    # Slips: the ratio squared or its root, one added, the mean of one and
    # the ratio, the ratio doubled, the smaller over the larger.
    return calc(
        "A %s line feeds a purely resistive %s load. What is the SWR?" % (ohm_adj(z0, "en"), ohm_adj(zl, "en")),
        "Une ligne de %s alimente une charge purement r\u00e9sistive de %s. Quel est le ROS ?" % (si(z0, "ohms", "fr"), si(zl, "ohms", "fr")),
        [c, c * c, c + 1, (c + 1) / 2, math.sqrt(c), 2 * c, 1 / c], _swr)


def rho(s):
    c = (s - 1) / (s + 1)
    # Slips: the reciprocal of the SWR, the power ratio, (s-1)/s, s/(s+1),
    # the root, (s-1)/2.
    return calc(
        "What is the magnitude of the reflection coefficient on a line with an SWR of %s?" % _swr(s, "en"),
        "Quel est le module du coefficient de r\u00e9flexion sur une ligne dont le ROS est de %s ?" % _swr(s, "fr"),
        [c, 1 / s, c * c, (s - 1) / s, s / (s + 1), math.sqrt(c), (s - 1) / 2], plain_fmt("", "", 2))


def return_loss(s):
    r = (s - 1) / (s + 1)
    c = -20 * math.log10(r)
    # Slips: 10 log of a voltage ratio, the SWR itself in decibels (20 or
    # 10 log), the power ratio counted twice, the mismatch loss instead.
    return calc(
        "What is the return loss of a load that gives an SWR of %s?" % _swr(s, "en"),
        "Quel est l'affaiblissement de r\u00e9flexion d'une charge qui donne un ROS de %s ?" % _swr(s, "fr"),
        [c, c / 2, 20 * math.log10(s), c * 2, 10 * math.log10(s), -10 * math.log10(1 - r * r)],
        plain_fmt(" dB", " dB", 3))


def qwt(z1, z2):
    c = math.sqrt(z1 * z2)
    # Slips: the mean, the parallel or series sum, the difference, the
    # line's own transform formula, the root of the sum of squares.
    return calc(
        "What impedance must a quarter-wave section have to match a %s load to a %s line?" % (ohm_adj(z1, "en"), ohm_adj(z2, "en")),
        "Quelle imp\u00e9dance doit avoir un tron\u00e7on quart d'onde pour adapter une charge de %s \u00e0 une ligne de %s ?" % (si(z1, "ohms", "fr"), si(z2, "ohms", "fr")),
        [c, z1 * z2 / (z1 + z2), abs(z1 - z2), z2 * z2 / z1, (z1 + z2) / 2, z1 + z2,
         math.sqrt(z1 * z1 + z2 * z2)], _ohm_fmt)


def mismatch_loss(s):
    r = (s - 1) / (s + 1)
    c = r * r * 100
    f = lambda v, lang: ("%s%%" if lang == "en" else "%s %%") % num(v, lang, 2)
    # Slips: the voltage ratio for the power one, 1/SWR, the power that
    # reaches the load, half the share, 1/SWR squared.
    return calc(
        "What share of the forward power is reflected by a load that gives an SWR of %s?" % _swr(s, "en"),
        "Quelle part de la puissance directe est r\u00e9fl\u00e9chie par une charge qui donne un ROS de %s ?" % _swr(s, "fr"),
        [c, r * 100, 100 / s, 100 - c, c / 2, 100 / (s * s)], f)


S_LINES = parse("""
What determines the characteristic impedance of a feed line?
The sizes and spacing of its conductors, and the dielectric
The length of the line, measured in wavelengths
The resistance per metre of its conductors and shield
The load connected at its far end, whatever it is
Qu'est-ce qui détermine l'impédance caractéristique d'une ligne d'alimentation ?
La taille et l'écartement de ses conducteurs, et le diélectrique
La longueur de la ligne, mesurée en longueurs d'onde
La résistance par mètre de ses conducteurs et de sa tresse
La charge branchée à son extrémité, quelle qu'elle soit

What is an advantage of open-wire ladder line over coaxial cable?
Much lower loss, especially when the SWR on it is high
Complete immunity to nearby metal objects and to the weather
Safe burial directly in the ground or inside walls
An unbalanced feed, so that no balun is needed at a tuner
Quel est l'avantage d'une ligne bifilaire à échelle sur le câble coaxial ?
Des pertes bien plus faibles, en particulier avec un ROS élevé
Une insensibilité totale au métal voisin et aux intempéries
La possibilité de l'enterrer directement ou de la noyer dans un mur
Une alimentation asymétrique, qui dispense de balun à la boîte d'accord

How does the loss of a coaxial cable change with frequency?
It increases as the frequency rises
It decreases as the frequency rises
It depends on the length, not the frequency
It peaks at a frequency set by the length
Comment la perte d'un câble coaxial varie-t-elle avec la fréquence ?
Elle augmente quand la fréquence monte
Elle diminue quand la fréquence monte
Elle dépend de la longueur, pas de la fréquence
Elle passe par un maximum fixé par la longueur

Why does a high SWR increase the loss in a feed line?
Higher currents and voltages on the line raise its losses
Reflected power is destroyed in the transmitter's output stage
Standing waves raise the line's characteristic impedance
Reflected power leaks out through the braid as radiation
Pourquoi un ROS élevé augmente-t-il les pertes dans une ligne ?
Des courants et tensions plus élevés sur la ligne accroissent ses pertes
La puissance réfléchie est détruite dans l'étage de sortie de l'émetteur
Les ondes stationnaires élèvent l'impédance caractéristique de la ligne
La puissance réfléchie fuit par la tresse sous forme de rayonnement

What usually happens when water enters a coaxial cable?
Its loss rises and keeps getting worse over time
Its loss falls, as the damp acts as a good dielectric
Its impedance doubles, but its loss does not change
Its loss is unchanged while the connectors stay dry
Que se passe-t-il généralement quand de l'eau pénètre dans un câble coaxial ?
Ses pertes augmentent et ne cessent d'empirer
Ses pertes baissent, l'eau étant un bon diélectrique
Ses pertes ne changent pas, mais son impédance double
Ses pertes ne changent pas tant que les connecteurs restent secs

What is the input impedance of a feed line terminated in its characteristic impedance?
Its characteristic impedance, whatever the length of the line
Zero at a quarter wave, infinite at a half wave
Its characteristic impedance times the velocity factor
A value that depends on its length in wavelengths
Quelle est l'impédance d'entrée d'une ligne fermée sur son impédance caractéristique ?
Son impédance caractéristique, quelle que soit sa longueur
Zéro au quart d'onde, l'infini à la demi-onde
Son impédance caractéristique multipliée par le coefficient de vélocité
Elle dépend de sa longueur en longueurs d'onde

Why may kinking or crushing a coaxial cable spoil its performance?
It alters the conductor spacing, causing reflections
It lowers the velocity factor, so the line looks longer
It turns the cable into a balanced line at that point
It adds inductance that blocks the higher frequencies
Pourquoi un coude trop serré ou un écrasement peut-il dégrader un câble coaxial ?
Il change l'écartement des conducteurs, d'où des réflexions
Il abaisse la vélocité, si bien que le câble paraît plus long
Il transforme le câble en ligne symétrique à cet endroit
Il ajoute une inductance qui bloque les fréquences élevées

At a hilltop site shared by many VHF and UHF transmitters, why is each one fitted with a high-Q cavity filter?
To pass only its own channel and block the others' signals and noise
To raise its output power by matching it better to the antenna
To lower the SWR, so that longer feed lines are allowed
To absorb the reflected power from mismatched antennas
Sur un point haut partagé par de nombreux émetteurs VHF et UHF, pourquoi chacun est-il équipé d'un filtre à cavité à fort Q ?
Pour ne laisser passer que son canal et bloquer les signaux et le bruit des autres
Pour augmenter sa puissance de sortie en l'adaptant mieux à l'antenne
Pour abaisser le ROS et autoriser des lignes plus longues
Pour absorber la puissance réfléchie par les antennes désadaptées

An operator must feed a 432 MHz antenna 40 m away and can choose between a thin cable losing 30 dB per 100 m and a thick one losing 6 dB per 100 m at that frequency. With 50 W from the transmitter, about how much power reaches the antenna with each cable?
About 3 W with the thin cable and about 29 W with the thick one
About 44 W with the thin cable and about 49 W with the thick one
About 12 W with the thin cable and about 45 W with the thick one
About 3 W with either cable, since loss does not depend on cable size
Un opérateur doit alimenter une antenne 432 MHz située à 40 m et peut choisir entre un câble fin perdant 30 dB aux 100 m et un câble épais perdant 6 dB aux 100 m à cette fréquence. Avec 50 W à l'émetteur, quelle puissance atteint à peu près l'antenne avec chaque câble ?
Environ 3 W avec le câble fin et environ 29 W avec le câble épais
Environ 44 W avec le câble fin et environ 49 W avec le câble épais
Environ 12 W avec le câble fin et environ 45 W avec le câble épais
Environ 3 W avec l'un ou l'autre, la perte ne dépendant pas de la taille du câble
""") + [
    line_loss(100.0, 3.0), line_loss(400.0, 2.0),
]

S_VELOCITY = parse("""
What is the velocity factor of a feed line?
The speed of a wave on the line relative to free space
The ratio of the line's loss to its length in wavelengths
The ratio of the line's electrical length to its physical one
The ratio of its outer to its inner conductor diameter
Qu'est-ce que le coefficient de vélocité d'une ligne ?
Le rapport de la vitesse d'une onde sur la ligne à celle dans le vide
Le rapport des pertes de la ligne à sa longueur en longueurs d'onde
Le rapport de la longueur électrique de la ligne à sa longueur physique
Le rapport du diamètre de son conducteur extérieur à l'intérieur

Which of these feed lines has the highest velocity factor?
Open-wire line with air between its conductors
Coaxial cable with a solid polyethylene dielectric
Coaxial cable with a foam polyethylene dielectric
Twin-lead moulded in a solid plastic web
Laquelle de ces lignes a le coefficient de vélocité le plus élevé ?
Ligne bifilaire à écarteurs, isolée par l'air
Câble coaxial à diélectrique en polyéthylène plein
Câble coaxial à diélectrique en polyéthylène mousse
Ruban bifilaire moulé dans un plastique plein

What does a quarter-wave line short-circuited at its far end look like at its input, at its design frequency?
A very high impedance, like a parallel resonant circuit
A short circuit, repeating the load at its far end
A value equal to its characteristic impedance
A very low impedance, like a series resonant circuit
Comment se présente à son entrée, à sa fréquence de calcul, une ligne quart d'onde court-circuitée à son extrémité ?
Une impédance très élevée, tel un circuit résonant parallèle
Un court-circuit, qui reproduit la charge à son extrémité
Son impédance caractéristique, comme une ligne adaptée
Une impédance très faible, tel un circuit résonant série

What does a quarter-wave line open at its far end look like at its input, at its design frequency?
A very low impedance, like a series resonant circuit
A very high impedance, like a parallel resonant circuit
An inductive reactance equal to the line's impedance
Its characteristic impedance, as for a matched line
Comment se présente à son entrée, à sa fréquence de calcul, une ligne quart d'onde ouverte à son extrémité ?
Une impédance très faible, tel un circuit résonant série
Une impédance très élevée, tel un circuit résonant parallèle
Une réactance inductive égale à l'impédance de la ligne
Une impédance égale à son impédance caractéristique

What is special about a half-wave length of feed line?
It repeats the load impedance at its input
It inverts the load impedance with respect to its own
It presents its own impedance, whatever the load
It turns a resistive load into a reactance
Qu'a de particulier une longueur de ligne d'une demi-onde ?
Elle reproduit l'impédance de charge à son entrée
Elle inverse l'impédance de charge autour de la sienne
Elle présente sa propre impédance, quelle que soit la charge
Elle change une charge résistive en réactance

How can a shorted quarter-wave stub across a transmitter's output reduce its second harmonic?
It is a half wave, so a short, on the second harmonic
It is a quarter wave, and so a short circuit, on the harmonic
It absorbs the harmonic's power in the stub's own resistance
It is an open circuit on the second harmonic, which it reflects
Comment un stub quart d'onde en court-circuit aux bornes de la sortie d'un émetteur peut-il réduire son deuxième harmonique ?
Il fait une demi-onde, donc un court-circuit, sur cet harmonique
Il fait un quart d'onde, donc un court-circuit, sur l'harmonique
Il absorbe la puissance de l'harmonique dans sa propre résistance
Il est un circuit ouvert sur le deuxième harmonique, qu'il réfléchit

What does a short-circuited line shorter than a quarter wavelength present at its input?
An inductive reactance
A capacitive reactance
An infinite impedance
A pure resistance
Que présente à son entrée une ligne en court-circuit plus courte qu'un quart d'onde ?
Une réactance inductive
Une réactance capacitive
Une impédance très élevée
Une résistance pure

How can the velocity factor of a cable be measured with an antenna analyser?
Compare an open stub's resonant length with the free-space value
Measure the DC resistance of its centre conductor against a table
Measure the SWR it shows into a matched load across the band
Compare its outer and inner diameters with a table of impedances
Comment peut-on mesurer le coefficient de vélocité d'un câble avec un analyseur d'antenne ?
Comparer la longueur résonante d'un stub ouvert à sa valeur en espace libre
Mesurer la résistance continue de son âme et la comparer à une table
Mesurer le ROS qu'il donne sur une charge adaptée dans toute la bande
Comparer ses diamètres extérieur et intérieur à une table d'impédances

To short out the second harmonic of a 2 m transmitter, an operator makes a shorted quarter-wave stub for 145 MHz to place across the feed line, but cuts it to 51.7 cm, the free-space quarter wave, from foam cable with a velocity factor of 0.85. What will the analyser show, and why?
A resonance too low in frequency; it should have been cut nearer 44 cm
A resonance too high in frequency; it should have been cut nearer 61 cm
A resonance too high in frequency; it should have been cut nearer 44 cm
A correct resonance at 145 MHz, as velocity factor affects open stubs alone
Pour court-circuiter le deuxième harmonique d'un émetteur 2 m, un opérateur réalise un stub quart d'onde en court-circuit pour 145 MHz à placer sur la ligne, mais il le coupe à 51,7 cm, le quart d'onde en espace libre, dans un câble mousse de coefficient de vélocité 0,85. Qu'indiquera l'analyseur, et pourquoi ?
Une résonance trop basse ; il fallait couper le câble vers 44 cm
Une résonance trop haute ; il fallait couper le câble vers 61 cm
Une résonance trop haute ; il fallait couper le câble vers 44 cm
Une résonance correcte sur 145 MHz, la vélocité ne jouant que sur les stubs ouverts
""") + [
    stub(14.2, 0.66), stub(7.05, 0.82),
]

S_SWR = parse("""
What is the standing wave ratio (SWR) on a feed line?
The ratio of the maximum to the minimum voltage along the line
The ratio of the line's length to the wavelength in use
The ratio of the power at the input to the power at the load
The ratio of the reflected voltage to the forward voltage
Qu'est-ce que le rapport d'ondes stationnaires (ROS) sur une ligne ?
Le rapport des tensions maximale et minimale le long de la ligne
Le rapport de la longueur physique de la ligne à la longueur d'onde utilisée
Le rapport de la puissance à l'entrée à la puissance reçue par la charge
Le rapport de la tension réfléchie à la tension directe

What happens to the reflected power in a low-loss line when the transmitter end is matched by a tuner?
It is sent back to the load by the tuner, so little is lost
It is all dissipated as heat in the transmitter's output stage
It is radiated by the tuner's coil rather than the antenna
It is absorbed in the tuner, which heats up in proportion
Que devient la puissance réfléchie dans une ligne à faibles pertes lorsque le côté émetteur est adapté par une boîte d'accord ?
Elle est renvoyée vers la charge par la boîte, et l'on en perd peu
Elle est toute dissipée en chaleur dans l'étage de sortie de l'émetteur
Elle est rayonnée par la bobine de la boîte au lieu de l'antenne
Elle est absorbée par la boîte d'accord, qui chauffe d'autant

What does a solid-state transmitter often do when it sees a high SWR?
It reduces its own output power through its protection
It increases the power to overcome the mismatch
It shifts its frequency until the SWR falls
It blocks the reflected power with its low-pass filter
Que fait souvent un émetteur à semi-conducteurs lorsqu'il voit un ROS élevé ?
Il réduit sa puissance de sortie par sa protection
Il augmente la puissance pour vaincre la désadaptation
Il décale sa fréquence jusqu'à ce que le ROS baisse
Il bloque la puissance réfléchie par son filtre passe-bas

What is the SWR on a line terminated in an open or short circuit?
Infinite, as all the power is reflected
Zero, as no power is absorbed by the load
2:1, as half the power is reflected
50:1 on a 50-ohm line, equal to its impedance
Quel est le ROS sur une ligne terminée par un circuit ouvert ou un court-circuit ?
Infini, car toute la puissance est réfléchie
Nul, car la charge n'absorbe pas de puissance
2:1, car la moitié de la puissance est réfléchie
50:1 sur une ligne de 50 ohms, égal à son impédance

Along a mismatched line, how far apart are two adjacent voltage maxima?
Half a wavelength on the line
A quarter wavelength on the line
One full wavelength on the line
One wavelength in free space
Le long d'une ligne désadaptée, quelle distance sépare deux maxima de tension voisins ?
Une demi-longueur d'onde sur la ligne
Une distance d'un quart d'onde sur la ligne
Une longueur d'onde entière sur la ligne
Une longueur d'onde en espace libre

At a repeater site, a new interfering signal appears only when two nearby transmitters are on the air together, and it comes and goes in windy weather. What is the likely cause?
Mixing in a corroded joint, such as a rusty bolt on the mast
A high SWR on one antenna, which swings as the wind moves it
Image responses in the repeater receiver's first mixer
Mixing of the two signals in the air between the antennas
Sur un site de relais, un nouveau signal brouilleur n'apparaît que lorsque deux émetteurs voisins émettent ensemble, et il va et vient par grand vent. D'où vient probablement ce signal ?
D'un mélange dans un joint corrodé, comme un boulon rouillé du pylône
D'un ROS élevé sur une antenne, qui varie quand le vent la fait bouger
D'un effet d'image dans le premier mélangeur du récepteur du relais
D'un mélange des deux signaux dans l'air entre les antennes
""") + [
    swr_z(150.0, 50.0), swr_z(25.0, 50.0),
    rho(3.0), return_loss(2.0), mismatch_loss(3.0),
]

S_TRANSFORM = parse("""
How does a quarter-wave matching section transform impedance?
Its input impedance is Z0 squared over the load impedance
Its input impedance is the square root of Z0 times the load
Its input impedance is the mean of Z0 and the load impedance
Its input impedance is the load impedance, whatever Z0 is
Comment un tronçon d'adaptation quart d'onde transforme-t-il l'impédance ?
Son impédance d'entrée vaut Z0 au carré divisé par la charge
Son impédance d'entrée vaut la racine de Z0 fois la charge
Son impédance d'entrée vaut la moyenne de Z0 et de la charge
Son impédance d'entrée reproduit celle de la charge, quel que soit Z0

Why are N-type connectors preferred to the common UHF (PL-259) type above about 300 MHz?
Their impedance stays constant and they are weatherproof
Their bayonet lock stops them working loose in the wind
Their thicker centre pin lowers the loss of the cable
Their silver plating makes them immune to corrosion
Pourquoi préfère-t-on les connecteurs de type N au type UHF courant (PL-259) au-dessus de 300 MHz environ ?
Leur impédance reste constante et ils sont étanches
Leur verrouillage à baïonnette les empêche de se desserrer au vent
Leur broche centrale plus grosse réduit les pertes du câble
Leur argenture les rend insensibles à la corrosion

What limits the use of a waveguide?
It passes only frequencies above its cut-off
It passes only frequencies below its cut-off
It must be filled with a solid dielectric to work
It handles far less power than a coaxial cable
Qu'est-ce qui limite l'emploi d'un guide d'ondes ?
Il ne transmet que les fréquences au-dessus de sa coupure
Il ne transmet que les fréquences au-dessous de sa coupure
Il doit être rempli d'un diélectrique solide pour fonctionner
Il supporte bien moins de puissance qu'un câble coaxial

How does a cavity duplexer let a repeater transmit and receive on one antenna at the same time?
Cavities pass each frequency to its own port and notch the other
A fast relay switches the antenna between transmitter and receiver
The transmitter and receiver use opposite polarisations on the antenna
A hybrid coupler splits the antenna power equally between the two
Comment un duplexeur à cavités permet-il à un relais d'émettre et de recevoir en même temps sur une seule antenne ?
Des cavités aiguillent chaque fréquence vers son accès et éliminent l'autre
Un commutateur rapide bascule l'antenne entre émetteur et récepteur
L'émetteur et le récepteur utilisent des polarisations opposées sur l'antenne
Un coupleur hybride partage à parts égales l'antenne entre les deux

Why does the impedance seen at the input of a mismatched line depend on its length?
The forward and reflected waves combine with a phase that varies
The line's resistance grows with length until it equals the load
The velocity factor of the line changes along its length
The line's loss grows with length and adds a reactance
Pourquoi l'impédance vue à l'entrée d'une ligne désadaptée dépend-elle de sa longueur ?
Les ondes directe et réfléchie se combinent avec une phase variable
La résistance de la ligne croît jusqu'à égaler la charge
Le coefficient de vélocité de la ligne varie le long de celle-ci
La perte de la ligne croît avec la longueur et ajoute une réactance

Two equal 100-ohm resistive loads are to be fed directly from the end of one 50-ohm line, with no other parts. How must they be connected?
In parallel, giving 50 ohms
In series, giving 50 ohms
In parallel, giving 200 ohms
In series, giving 25 ohms
Deux charges résistives égales de 100 ohms doivent être branchées directement au bout d'une seule ligne de 50 ohms, sans autre composant. Comment les relier ?
En parallèle, soit 50 ohms
En série, soit 50 ohms
En parallèle, soit 200 ohms
En série, soit 25 ohms

What is the advantage of semi-rigid hardline over flexible coaxial cable for long runs at UHF?
Much lower loss, from its large solid outer conductor
Easier bending at corners, thanks to its smooth jacket
A velocity factor of exactly one at every frequency
No need for connectors, as it is soldered to the antenna
Quel est l'avantage du câble semi-rigide sur le câble coaxial souple pour les longues liaisons en UHF ?
Un affaiblissement bien plus faible grâce à son gros conducteur extérieur
Un cintrage plus facile dans les angles, grâce à sa gaine lisse
Un coefficient de vélocité exactement égal à un à toutes les fréquences
Un montage sans connecteurs, puisqu'il se soude à l'antenne

A station feeds a 14.2 MHz wire dipole through 30 m of thin coaxial cable whose loss at that frequency is 2 dB. The SWR meter at the transmitter shows about 1.7:1, but an antenna analyser connected at the far end of the line, right at the feed point, shows 2.5:1 with a capacitive reactance. The operator now wants the antenna itself matched on 14.2 MHz, not just a good reading in the shack. What should be done first?
Lengthen the dipole a little until the analyser shows it resonant
Fit a tuner at the transmitter, which brings the SWR on the whole line to 1:1
Shorten the dipole, since a capacitive feed point means that it is too long
Add more coaxial cable, so that the extra loss makes the meter read 1:1
Une station alimente un dipôle filaire de 14,2 MHz par 30 m de câble coaxial fin qui perd 2 dB à cette fréquence. Le ROS-mètre de l'émetteur indique environ 1,7:1, mais un analyseur d'antenne branché en bout de ligne, au point d'alimentation, indique 2,5:1 avec une réactance capacitive. L'opérateur veut accorder l'antenne elle-même sur 14,2 MHz, pas seulement lire un bon ROS à la station. Que faut-il faire d'abord ?
Allonger un peu le dipôle jusqu'à ce que l'analyseur le montre résonant
Monter une boîte d'accord à l'émetteur, qui ramène le ROS à 1:1 sur toute la ligne
Raccourcir le dipôle, puisqu'un point d'alimentation capacitif indique qu'il est trop long
Ajouter du câble coaxial, pour que la perte supplémentaire fasse indiquer 1:1
""") + [
    qwt(100.0, 50.0), qwt(12.5, 50.0),
]

TOPIC = {
    "en": "Feed lines and matching",
    "fr": "Lignes et adaptation",
    "sections": [S_LINES, S_VELOCITY, S_SWR, S_TRANSFORM],
}
