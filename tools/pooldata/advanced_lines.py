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
    return calc(
        "A transmitter feeds %s into a matched line with %s dB of loss. What power reaches the antenna?" % (si(p, "W", "en"), num(loss, "en")),
        "Un \u00e9metteur fournit %s \u00e0 une ligne adapt\u00e9e de %s dB de pertes. Quelle puissance atteint l'antenne ?" % (si(p, "W", "fr"), num(loss, "fr")),
        [c, p - loss, p * 10 ** (-loss / 20.0), p * 10 ** (loss / 10.0)], unit_fmt("W"))


def stub(f, vf):
    c = 75.0 * vf / f
    return calc(
        "How long is a quarter-wave stub for %s MHz in cable with a velocity factor of %s?" % (num(f, "en", 5), num(vf, "en")),
        "Quelle est la longueur d'un stub quart d'onde pour %s MHz en c\u00e2ble de coefficient de v\u00e9locit\u00e9 %s ?" % (num(f, "fr", 5), num(vf, "fr")),
        [c, 75.0 / f, 75.0 / (f * vf), 2 * c], _m)


def swr_z(zl, z0):
    c = max(zl / z0, z0 / zl)
    return calc(
        "A %s line feeds a purely resistive %s load. What is the SWR?" % (ohm_adj(z0, "en"), ohm_adj(zl, "en")),
        "Une ligne de %s alimente une charge purement r\u00e9sistive de %s. Quel est le ROS ?" % (si(z0, "ohms", "fr"), si(zl, "ohms", "fr")),
        [c, c * c, c + 1, (c + 1) / 2], _swr)


def rho(s):
    c = (s - 1) / (s + 1)
    return calc(
        "What is the magnitude of the reflection coefficient on a line with an SWR of %s?" % _swr(s, "en"),
        "Quel est le module du coefficient de r\u00e9flexion sur une ligne dont le ROS est de %s ?" % _swr(s, "fr"),
        [c, 1 / s, (s - 1) / s, c * c], plain_fmt("", "", 2))


def return_loss(s):
    r = (s - 1) / (s + 1)
    c = -20 * math.log10(r)
    return calc(
        "What is the return loss of a load that gives an SWR of %s?" % _swr(s, "en"),
        "Quel est l'affaiblissement de r\u00e9flexion d'une charge qui donne un ROS de %s ?" % _swr(s, "fr"),
        [c, c / 2, 20 * math.log10(s), c * 2], plain_fmt(" dB", " dB", 3))


def qwt(z1, z2):
    c = math.sqrt(z1 * z2)
    return calc(
        "What impedance must a quarter-wave section have to match a %s load to a %s line?" % (ohm_adj(z1, "en"), ohm_adj(z2, "en")),
        "Quelle imp\u00e9dance doit avoir un tron\u00e7on quart d'onde pour adapter une charge de %s \u00e0 une ligne de %s ?" % (si(z1, "ohms", "fr"), si(z2, "ohms", "fr")),
        [c, (z1 + z2) / 2, z1 * z2 / (z1 + z2), abs(z1 - z2)], _ohm_fmt)


def mismatch_loss(s):
    r = (s - 1) / (s + 1)
    c = r * r * 100
    f = lambda v, lang: ("%s%%" if lang == "en" else "%s %%") % num(v, lang, 2)
    return calc(
        "What share of the forward power is reflected by a load that gives an SWR of %s?" % _swr(s, "en"),
        "Quelle part de la puissance directe est r\u00e9fl\u00e9chie par une charge qui donne un ROS de %s ?" % _swr(s, "fr"),
        [c, r * 100, 100 / s, 100 - c], f)


S_LINES = parse("""
What determines the characteristic impedance of a feed line?
Its conductor sizes and spacing, and the dielectric
Its length
The power fed into it
The load connected at its far end, whatever it may be
Qu'est-ce qui détermine l'impédance caractéristique d'une ligne d'alimentation ?
La taille et l'écartement de ses conducteurs, et le diélectrique
Sa longueur
La puissance qu'on y injecte
La charge branchée à son extrémité, quelle qu'elle soit

What is an advantage of open-wire ladder line over coaxial cable?
Much lower loss, especially at high SWR
Complete immunity to nearby metal objects
It can be buried directly in the ground
It is unbalanced, so it needs no balun
Quel est l'avantage d'une ligne bifilaire à échelle sur le câble coaxial ?
Des pertes bien plus faibles, surtout avec un ROS élevé
Une insensibilité totale aux objets métalliques voisins
Elle peut être enterrée directement
Elle est asymétrique, donc elle n'exige pas de balun

How does the loss of a coaxial cable change with frequency?
It increases as the frequency rises
It decreases as the frequency rises
It does not depend on frequency
It is highest at direct current
Comment la perte d'un câble coaxial varie-t-elle avec la fréquence ?
Elle augmente quand la fréquence monte
Elle diminue quand la fréquence monte
Elle ne dépend pas de la fréquence
Elle est maximale en courant continu

Why does a high SWR increase the loss in a feed line?
Higher currents and voltages on the line raise its losses
Reflected power is destroyed in the transmitter's output stage
SWR makes the line longer
Standing waves cool the line
Pourquoi un ROS élevé augmente-t-il les pertes dans une ligne ?
Des courants et tensions plus élevés sur la ligne accroissent ses pertes
La puissance réfléchie est détruite dans l'étage de sortie de l'émetteur
Le ROS allonge la ligne
Les ondes stationnaires refroidissent la ligne

What usually happens when water enters a coaxial cable?
Its loss rises and keeps getting worse
Its loss falls because water conducts
Its impedance doubles
Nothing, as long as the connectors stay dry
Que se passe-t-il généralement quand de l'eau pénètre dans un câble coaxial ?
Ses pertes augmentent et ne cessent d'empirer
Ses pertes diminuent car l'eau est conductrice
Son impédance double
Rien, tant que les connecteurs restent secs

What is the input impedance of a feed line terminated in its characteristic impedance?
Its characteristic impedance, whatever its length
Zero
Infinite
It depends on its length measured in wavelengths
Quelle est l'impédance d'entrée d'une ligne fermée sur son impédance caractéristique ?
Son impédance caractéristique, quelle que soit sa longueur
Zéro
L'infini
Elle dépend de sa longueur mesurée en longueurs d'onde

Why may kinking or crushing a coaxial cable spoil its performance?
It changes the conductor spacing and causes reflections
It shortens the electrical length of the cable to zero
It turns the cable into a balanced line
It raises the velocity factor to one
Pourquoi un coude trop serré ou un écrasement peut-il dégrader un câble coaxial ?
Il modifie l'écartement des conducteurs et provoque des réflexions
Il réduit à zéro la longueur électrique du câble
Il transforme le câble en ligne symétrique
Il porte le coefficient de vélocité à un

Why is a thicker coaxial cable of the same impedance usually chosen for long runs at VHF?
Its larger conductors have lower loss
It has a higher impedance
It has a lower velocity factor
It radiates more
Pourquoi choisit-on généralement un câble coaxial plus gros de même impédance pour les longues liaisons en VHF ?
Ses conducteurs plus gros ont moins de pertes
Il a une impédance plus élevée
Il a un coefficient de vélocité plus faible
Il rayonne davantage

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
The ratio of the line's loss to its length
The speed at which the line can be unrolled from its drum
The ratio of its outer to inner diameter
Qu'est-ce que le coefficient de vélocité d'une ligne ?
La vitesse d'une onde sur la ligne rapportée à l'espace libre
Le rapport des pertes de la ligne à sa longueur
La vitesse à laquelle on peut dérouler la ligne de son touret
Le rapport de son diamètre extérieur à son diamètre intérieur

Which has the highest velocity factor?
Open-wire line with air dielectric, about 0.95 or more
Coaxial cable with solid polyethylene, about 0.66
Coaxial cable with foam dielectric, about 0.8
They are all exactly 0.5
Laquelle a le coefficient de vélocité le plus élevé ?
La ligne bifilaire à diélectrique air, environ 0,95 ou plus
Le câble coaxial à polyéthylène plein, environ 0,66
Le câble coaxial à diélectrique mousse, environ 0,8
Elles valent toutes exactement 0,5

What does a quarter-wave line short-circuited at its far end look like at its input, at its design frequency?
A very high impedance, like a parallel resonant circuit
A short circuit
A 50-ohm resistor
A very low impedance, like a series resonant circuit
Comment se présente à son entrée, à sa fréquence de calcul, une ligne quart d'onde court-circuitée à son extrémité ?
Une impédance très élevée, tel un circuit résonant parallèle
Comme un court-circuit
Comme une résistance de 50 ohms
Une impédance très faible, tel un circuit résonant série

What does a quarter-wave line open at its far end look like at its input, at its design frequency?
A very low impedance, like a series resonant circuit
A very high impedance
An inductance
Its characteristic impedance, as for a matched line
Comment se présente à son entrée, à sa fréquence de calcul, une ligne quart d'onde ouverte à son extrémité ?
Comme une impédance très faible, tel un circuit résonant série
Comme une impédance très élevée
Comme une inductance
Comme son impédance caractéristique, comme une ligne adaptée

What is special about a half-wave length of feed line?
It repeats the load impedance at its input
It inverts the load impedance about the line's characteristic impedance
It always presents 50 ohms
It short-circuits the load
Qu'a de particulier une longueur de ligne d'une demi-onde ?
Elle reproduit l'impédance de charge à son entrée
Elle inverse l'impédance de charge par rapport à l'impédance caractéristique
Elle présente toujours 50 ohms
Elle court-circuite la charge

How can a shorted quarter-wave stub across a transmitter's output reduce its second harmonic?
It is a half wave, and so a short circuit, on the second harmonic
It absorbs the fundamental
It raises the output on the harmonic so that the filter can find it
It changes the harmonic into the fundamental
Comment un stub quart d'onde en court-circuit aux bornes de la sortie d'un émetteur peut-il réduire son deuxième harmonique ?
Il mesure une demi-onde, donc un court-circuit, sur le deuxième harmonique
Il absorbe la fondamentale
Il élève la sortie sur l'harmonique pour que le filtre puisse la repérer
Il transforme l'harmonique en fondamentale

What does a short-circuited line shorter than a quarter wavelength present at its input?
An inductive reactance
A capacitive reactance
An open circuit
A pure resistance equal to its characteristic impedance
Que présente à son entrée une ligne en court-circuit plus courte qu'un quart d'onde ?
Une réactance inductive
Une réactance capacitive
Un circuit ouvert
Une résistance pure égale à son impédance caractéristique

How can the velocity factor of a cable be measured with an antenna analyser?
Compare the length of an open stub at resonance with a free-space quarter wave
Measure the DC resistance of its centre conductor and compare it with a table
Weigh a metre of the cable
Measure its outer diameter
Comment peut-on mesurer le coefficient de vélocité d'un câble avec un analyseur d'antenne ?
Comparer la longueur d'un stub ouvert à la résonance au quart d'onde en espace libre
En mesurant la résistance continue de son âme et en la comparant à une table
En pesant un mètre du câble
En mesurant son diamètre extérieur

To short out the second harmonic of a 2 m transmitter, an operator makes a shorted quarter-wave stub for 145 MHz to place across the feed line, but cuts it to 51.7 cm, the free-space quarter wave, from foam cable with a velocity factor of 0.85. What will the analyser show, and why?
A resonance too low in frequency, because the cable should have been cut to about 44 cm
A resonance too high in frequency, because the cable should have been cut to about 61 cm
The correct resonance, since the velocity factor matters only for open stubs
No resonance at all, because foam cable cannot be used for stubs
Pour court-circuiter le deuxième harmonique d'un émetteur 2 m, un opérateur réalise un stub quart d'onde en court-circuit pour 145 MHz à placer sur la ligne, mais il le coupe à 51,7 cm, le quart d'onde en espace libre, dans un câble mousse de coefficient de vélocité 0,85. Qu'indiquera l'analyseur, et pourquoi ?
Une résonance trop basse en fréquence, car le câble aurait dû être coupé à environ 44 cm
Une résonance trop haute en fréquence, car le câble aurait dû être coupé à environ 61 cm
La bonne résonance, le coefficient de vélocité ne comptant que pour les stubs ouverts
Aucune résonance, car le câble mousse ne convient pas aux stubs
""") + [
    stub(14.2, 0.66), stub(7.05, 0.82),
]

S_SWR = parse("""
What is the standing wave ratio (SWR) on a feed line?
The ratio of the maximum to the minimum voltage along the line
The ratio of the line's physical length to the wavelength in use
The ratio of the input power to the output power
The ratio of the line's impedance to 50 ohms
Qu'est-ce que le rapport d'ondes stationnaires (ROS) sur une ligne ?
Le rapport entre la tension maximale et la tension minimale le long de la ligne
Le rapport de la longueur physique de la ligne à la longueur d'onde utilisée
Le rapport de la puissance d'entrée à la puissance de sortie
Le rapport de l'impédance de la ligne à 50 ohms

What happens to the reflected power in a low-loss line when the transmitter end is matched by a tuner?
It is reflected back to the load, so little is lost
It is entirely dissipated as heat in the transmitter
It is radiated by the tuner
It returns to the mains supply
Que devient la puissance réfléchie dans une ligne à faibles pertes lorsque le côté émetteur est adapté par une boîte d'accord ?
Elle est renvoyée vers la charge, si bien que peu est perdu
Elle est entièrement dissipée en chaleur dans l'émetteur
Elle est rayonnée par la boîte d'accord
Elle retourne au secteur

What does a solid-state transmitter often do when it sees a high SWR?
Its protection reduces the output power
It increases the power to overcome the mismatch
It switches to another band
It changes the mode to CW
Que fait souvent un émetteur à semi-conducteurs lorsqu'il voit un ROS élevé ?
Sa protection réduit la puissance de sortie
Il augmente la puissance pour vaincre la désadaptation
Il passe sur une autre bande
Il passe en télégraphie

What is the SWR on a line terminated in an open or short circuit?
Infinite
1:1
2:1
Exactly 50:1, for a 50-ohm line
Quel est le ROS sur une ligne terminée par un circuit ouvert ou un court-circuit ?
Infini
1:1
2:1
Exactement 50:1 pour une ligne de 50 ohms

Along a mismatched line, how far apart are two adjacent voltage maxima?
Half a wavelength on the line
A quarter wavelength on the line
One full wavelength on the line
They are spread at random
Le long d'une ligne désadaptée, quelle distance sépare deux maxima de tension voisins ?
Une demi-longueur d'onde sur la ligne
Un quart de longueur d'onde sur la ligne
Une longueur d'onde entière sur la ligne
Ils sont répartis au hasard

Can an SWR of 1:1 be produced with a 50-ohm line terminated in a 50-ohm resistive load?
Yes, nothing is reflected and the load absorbs all the power
No, some reflection is always present even on a perfectly matched line
Only if the line is a half wave long
Only at direct current
Peut-on obtenir un ROS de 1:1 avec une ligne de 50 ohms terminée par une charge résistive de 50 ohms ?
Oui, rien n'est réfléchi et la charge absorbe toute la puissance
Non, une réflexion existe toujours, même sur une ligne parfaitement adaptée
Seulement si la ligne mesure une demi-onde
Seulement en courant continu
""") + [
    swr_z(150.0, 50.0), swr_z(25.0, 50.0),
    rho(3.0), return_loss(2.0), mismatch_loss(3.0),
]

S_TRANSFORM = parse("""
How does a quarter-wave matching section transform impedance?
Its input impedance is Z0 squared divided by the load impedance
It adds its characteristic impedance to that of the load
It halves the load impedance
It repeats the load impedance exactly
Comment un tronçon d'adaptation quart d'onde transforme-t-il l'impédance ?
Son impédance d'entrée vaut Z0 au carré divisé par l'impédance de charge
Il ajoute son impédance caractéristique à celle de la charge
Il divise l'impédance de charge par deux
Il reproduit exactement l'impédance de charge

Why are N-type connectors preferred to the common UHF (PL-259) type above about 300 MHz?
Their impedance stays constant and they are weatherproof
They are larger and easier to solder in the field
They work only at low frequencies
They have no centre pin
Pourquoi préfère-t-on les connecteurs de type N au type UHF courant (PL-259) au-dessus de 300 MHz environ ?
Leur impédance reste constante et ils sont étanches
Ils sont plus gros et plus faciles à souder sur le terrain
Ils ne fonctionnent qu'aux basses fréquences
Ils n'ont pas de broche centrale

What limits the use of a waveguide?
It passes only frequencies above its cut-off
It passes only direct current and very low frequencies
It works only below 1 MHz
It cannot carry more than 1 W
Qu'est-ce qui limite l'emploi d'un guide d'ondes ?
Il ne transmet que les fréquences au-dessus de sa coupure
Il ne transmet que le continu et les très basses fréquences
Il ne fonctionne qu'en dessous de 1 MHz
Il ne peut pas transporter plus de 1 W

Why must outdoor coaxial connectors be carefully weatherproofed?
Water entering raises the loss and corrodes the cable
Sunlight changes their impedance
Rain makes them radiate harmonics
Weatherproofing raises the SWR to a safe value
Pourquoi faut-il soigneusement protéger des intempéries les connecteurs coaxiaux extérieurs ?
L'eau qui entre augmente les pertes et corrode le câble
Le soleil modifie leur impédance
La pluie leur fait rayonner des harmoniques
La protection élève le ROS à une valeur sûre

Why does the impedance seen at the input of a mismatched line depend on its length?
Forward and reflected waves combine with a phase that varies
The line's resistance grows with length until it equals the load
The velocity factor changes with length
It does not depend on length
Pourquoi l'impédance vue à l'entrée d'une ligne désadaptée dépend-elle de sa longueur ?
Les ondes directe et réfléchie se combinent avec une phase variable
La résistance de la ligne croît avec la longueur jusqu'à égaler la charge
Le coefficient de vélocité change avec la longueur
Elle ne dépend pas de la longueur

How can two equal 100-ohm loads be fed from one 50-ohm line?
By connecting them in parallel
By connecting them in series
By using a half-wave line to each
It is impossible without a tuner
Comment peut-on alimenter deux charges égales de 100 ohms à partir d'une seule ligne de 50 ohms ?
En les branchant en parallèle
En les branchant en série
En utilisant une ligne demi-onde vers chacune
C'est impossible sans boîte d'accord

What is the advantage of semi-rigid hardline over flexible coaxial cable for long runs at UHF?
Much lower loss, from its large solid outer conductor
It is easier to bend around corners
It has a higher velocity factor of exactly one at every frequency
It needs no connectors
Quel est l'avantage du câble semi-rigide sur le câble coaxial souple pour les longues liaisons en UHF ?
Des pertes bien plus faibles grâce à son gros conducteur extérieur plein
Il se plie plus facilement dans les angles
Il a un coefficient de vélocité exactement égal à un à toutes les fréquences
Il ne nécessite pas de connecteurs

A station feeds a 14.2 MHz wire dipole through 30 m of thin coaxial cable whose loss at that frequency is 2 dB. The SWR meter at the transmitter shows about 1.7:1, but an antenna analyser connected at the far end of the line, right at the feed point, shows 2.5:1 with a capacitive reactance. The operator now wants the antenna itself matched on 14.2 MHz, not just a good reading in the shack. What should be done first?
Lengthen the dipole a little until the analyser shows resonance at 14.2 MHz
Fit an antenna tuner at the transmitter, which brings the SWR on the whole line to 1:1
Shorten the dipole, since a capacitive feed point means that it is too long
Add more coaxial cable, so that the extra loss makes the meter read 1:1
Une station alimente un dipôle filaire de 14,2 MHz par 30 m de câble coaxial fin qui perd 2 dB à cette fréquence. Le ROS-mètre de l'émetteur indique environ 1,7:1, mais un analyseur d'antenne branché en bout de ligne, au point d'alimentation, indique 2,5:1 avec une réactance capacitive. L'opérateur veut accorder l'antenne elle-même sur 14,2 MHz, pas seulement lire un bon ROS à la station. Que faut-il faire d'abord ?
Allonger un peu le dipôle jusqu'à ce que l'analyseur indique la résonance sur 14,2 MHz
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
