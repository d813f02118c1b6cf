"""Advanced topic 7: antennas, and the propagation and RF exposure that
depend on them."""

import math

from advanced_calc import calc, parse, si, num, unit_fmt, plain_fmt


def _m(v, lang):
    return "%s m" % num(v, lang, 3)


def _pct(v, lang):
    return ("%s%%" if lang == "en" else "%s %%") % num(v, lang, 2)


# Each family lists the correct value, then the slips a candidate makes on
# the way: the shortening factor forgotten, applied twice or divided by,
# the wrong fraction of a wave, the feet formula read as metres.


def dipole(f):
    c = 142.5 / f
    return calc(
        "With a 0.95 shortening factor, how long is a half-wave wire dipole for %s MHz?" % num(f, "en", 5),
        "Avec un coefficient de raccourcissement de 0,95, quelle est la longueur d'un dip\u00f4le demi-onde filaire pour %s MHz ?" % num(f, "fr", 5),
        [c, 150.0 / f, 2 * c, c / 2, 142.5 * 0.95 / f, 150.0 / 0.95 / f, 300.0 / f, 468.0 / f], _m)


def quarter(f):
    c = 71.25 / f
    return calc(
        "With a 0.95 shortening factor, how long is the radiator of a quarter-wave vertical for %s MHz?" % num(f, "en", 5),
        "Avec un coefficient de raccourcissement de 0,95, quelle est la longueur du brin d'une verticale quart d'onde pour %s MHz ?" % num(f, "fr", 5),
        [c, 2 * c, 75.0 / f, c / 2, 300.0 / f, 71.25 * 0.95 / f, 75.0 / 0.95 / f, 234.0 / f], _m)


def erp(p, loss, gain):
    c = p * 10 ** ((gain - loss) / 10.0)
    return calc(
        "A transmitter feeds %s through %s dB of line loss to an antenna with %s dBd of gain. What is the ERP?" % (si(p, "W", "en"), num(loss, "en"), num(gain, "en")),
        "Un \u00e9metteur fournit %s \u00e0 travers %s dB de pertes de ligne \u00e0 une antenne d'un gain de %s dBd. Quelle est la PAR ?" % (si(p, "W", "fr"), num(loss, "fr"), num(gain, "fr")),
        [c, p * 10 ** ((gain + loss) / 10.0), p * (gain - loss), p * 10 ** (gain / 10.0),
         p * 10 ** ((gain - loss + 2.15) / 10.0), p * 10 ** ((gain - loss) / 20.0),
         p * 10 ** ((gain - loss - 2.15) / 10.0), p], unit_fmt("W"))


def dbd_dbi(g):
    c = g + 2.15
    return calc(
        "An antenna has a gain of %s dBd. What is its gain expressed in dBi?" % num(g, "en"),
        "Une antenne a un gain de %s dBd. Quel est son gain exprim\u00e9 en dBi ?" % num(g, "fr"),
        [c, g - 2.15, g + 3, g + 1.64, g * 2, g * 1.64, g + 6], plain_fmt(" dBi", " dBi", 3))


def safe_dist(p, loss, gain, s):
    """Compliance distance in the main beam from the far-field formula
    S = EIRP / (4 pi d^2), gain in dBi."""
    eirp = p * 10 ** ((gain - loss) / 10.0)
    c = math.sqrt(eirp / (4 * math.pi * s))
    return calc(
        "A station feeds %s through %s dB of line loss to a beam of %s dBi. Using the far-field formula, how far in front of the beam does the power density fall to %s W/m\u00b2?" % (si(p, "W", "en"), num(loss, "en"), num(gain, "en"), num(s, "en")),
        "Une station envoie %s par %s dB de pertes de ligne dans une directive de %s dBi. Selon la formule du champ lointain, \u00e0 quelle distance devant elle la densit\u00e9 de puissance tombe-t-elle \u00e0 %s W/m\u00b2 ?" % (si(p, "W", "fr"), num(loss, "fr"), num(gain, "fr"), num(s, "fr")),
        [c, math.sqrt(eirp / s), math.sqrt(p / (4 * math.pi * s)), eirp / (4 * math.pi * s),
         math.sqrt(p * 10 ** ((gain + loss) / 10.0) / (4 * math.pi * s)),
         math.sqrt(p * 10 ** (gain / 10.0) / (4 * math.pi * s)),
         math.sqrt(p * (gain - loss) / (4 * math.pi * s)),
         math.sqrt(eirp / (2 * math.pi * s))], _m)


def efficiency(rr, rl):
    c = rr / (rr + rl) * 100
    return calc(
        "A short vertical has %s of radiation resistance and %s of loss resistance. What is its efficiency?" % (si(rr, "ohms", "en"), si(rl, "ohms", "en")),
        "Une verticale courte a %s de r\u00e9sistance de rayonnement et %s de r\u00e9sistance de pertes. Quel est son rendement ?" % (si(rr, "ohms", "fr"), si(rl, "ohms", "fr")),
        [c, rr / rl * 100, 100 - c, math.sqrt(rr / (rr + rl)) * 100, rr / 50.0 * 100,
         (rr / (rr + rl)) ** 2 * 100, rr / (rr + 2 * rl) * 100], _pct)


def spacing(f, frac):
    c = frac * 300.0 / f
    return calc(
        "A Yagi for %s MHz has its reflector spaced %s wavelength behind the driven element. What is the spacing in metres?" % (num(f, "en", 5), num(frac, "en")),
        "Une Yagi pour %s MHz a son r\u00e9flecteur \u00e0 %s longueur d'onde derri\u00e8re l'\u00e9l\u00e9ment aliment\u00e9. Quel est cet espacement en m\u00e8tres ?" % (num(f, "fr", 5), num(frac, "fr")),
        [c, 300.0 / f, c * 2, frac * 150.0 / f, frac * 984.0 / f, 300.0 / (f * frac),
         frac * 285.0 / f], _m)


def balun_ratio(n, z):
    c = z / (n * n)
    return calc(
        "A transformer balun has a turns ratio of %d:1. What impedance does it present at its low side when %s is connected to its high side?" % (n, si(z, "ohms", "en")),
        "Un balun \u00e0 transformateur a un rapport de spires de %d:1. Quelle imp\u00e9dance pr\u00e9sente-t-il c\u00f4t\u00e9 bas lorsque %s sont branch\u00e9s c\u00f4t\u00e9 haut ?" % (n, si(z, "ohms", "fr")),
        [c, z / n, z * n * n, z * n, z / n ** 4, z / (2 * n), z / (n * n * n)], lambda v, lang: si(v, "ohms", lang, 3))


S_DIPOLE = parse("""
What is the approximate feed-point impedance of a half-wave dipole in free space?
About 73 ohms
About 36 ohms
About 50 ohms
About 60 ohms
Quelle est l'impédance approximative au point d'alimentation d'un dipôle demi-onde en espace libre ?
Environ 73 ohms
Environ 36 ohms
Environ 50 ohms
Environ 60 ohms

How are current and voltage distributed along a resonant half-wave dipole?
Current is highest at the centre, voltage at the ends
Voltage is highest at the centre and current at the ends
Both are highest at the centre of the dipole
Current is uniform and voltage peaks at the ends
Comment le courant et la tension se répartissent-ils le long d'un dipôle demi-onde résonant ?
Le courant est maximal au centre, la tension aux extrémités
La tension est maximale au centre, le courant aux extrémités
Les deux sont maximaux au centre du dipôle
Le courant est uniforme, la tension maximale aux bouts

What is the radiation resistance of an antenna?
The resistance that would dissipate the radiated power at the same current
The resistance that the wire shows to direct current, measured end to end
The resistance of the ground system that carries the return current
The loss resistance that turns part of the feed power into heat
Qu'est-ce que la résistance de rayonnement d'une antenne ?
La résistance qui dissiperait la puissance rayonnée pour le même courant
La résistance que le fil présente au courant continu, d'un bout à l'autre
La résistance du système de terre qui ramène le courant de retour
La résistance de pertes qui change en chaleur une part de la puissance

A dipole shows inductive reactance at the operating frequency. What must be done to make it resonant there?
Shorten its wires a little
Lengthen its wires a little
Add a loading coil at the centre
Raise it higher above the ground
Un dipôle présente une réactance inductive sur la fréquence de travail. Que faut-il faire pour qu'il y soit résonant ?
Raccourcir un peu ses brins
Allonger légèrement ses brins
Ajouter une bobine de charge au centre
Le monter plus haut au-dessus du sol

What is the feed-point impedance of a half-wave folded dipole made of equal conductors?
About 300 ohms
About 18 ohms
About 73 ohms
About 150 ohms
Quelle est l'impédance d'alimentation d'un dipôle replié demi-onde à conducteurs égaux ?
Environ 300 ohms
Environ 18 ohms
Environ 73 ohms
Environ 150 ohms

A centre-fed dipole is used at twice its fundamental frequency. What does the feed point present?
A high impedance, since it is now a full wave long
A low impedance, the same as on its fundamental
A very low impedance of a few ohms
A capacitive reactance, as it is now too short
Un dipôle alimenté au centre est utilisé au double de sa fréquence fondamentale. Que présente le point d'alimentation ?
Une impédance élevée, car il mesure alors une onde entière
Une impédance basse, la même que sur la fondamentale
Une impédance très faible, de quelques ohms
Une réactance capacitive, car il est alors trop court

How does raising the frequency slightly above resonance change a dipole's feed-point impedance?
It adds inductive reactance to the resistance
It adds capacitive reactance to the resistance
It raises the resistance but adds no reactance
It removes all reactance and lowers the resistance
Comment une fréquence légèrement supérieure à la résonance modifie-t-elle l'impédance d'alimentation d'un dipôle ?
Elle ajoute une réactance inductive à la résistance
Elle ajoute une réactance capacitive à la résistance
Elle élève la résistance sans ajouter de réactance
Elle annule la réactance et abaisse la résistance
""") + [
    dipole(3.6), dipole(14.2), quarter(28.5),
    quarter(10.12),
]



S_GAIN = parse("""
What is the difference between gains quoted in dBi and in dBd?
dBi is relative to an isotropic radiator, dBd to a half-wave dipole
dBi is relative to a half-wave dipole, dBd to an isotropic source
dBi counts the loss of the feed line, while dBd leaves it out
dBi is used for vertical antennas and dBd for horizontal ones
Quelle différence y a-t-il entre des gains exprimés en dBi et en dBd ?
Le dBi se rapporte à un radiateur isotrope, le dBd à un dipôle demi-onde
Le dBi se rapporte à un dipôle demi-onde, le dBd à une source isotrope
Le dBi inclut les pertes de la ligne, alors que le dBd les néglige
Le dBi sert aux antennes verticales et le dBd aux horizontales

Near the ground, an RF exposure assessment may take up to four times the free-space power density. Why?
A ground reflection adding in phase doubles the field
The antenna's reactive near field reaches down to the ground
Vertically polarised waves are four times stronger at ground level
The antenna's radiation resistance doubles close to the ground
Près du sol, une évaluation d'exposition retient parfois jusqu'à quatre fois la densité en espace libre. Pourquoi ?
La réflexion sur le sol, ajoutée en phase, double le champ
Le champ proche réactif de l'antenne s'étend alors jusqu'au sol
Les ondes polarisées verticalement sont quatre fois plus fortes au sol
La résistance de rayonnement de l'antenne double près du sol

What is the beamwidth of a directional antenna?
The angle between the half-power points of the main lobe
The angle between main lobe and largest side lobe
The band of frequencies over which the SWR stays acceptable
The angle at which the main lobe leaves the horizon
Qu'est-ce que l'ouverture du faisceau d'une antenne directive ?
L'écart angulaire entre les points à demi-puissance du lobe principal
L'angle entre le lobe principal et le plus fort lobe secondaire
La plage de fréquences où le ROS reste acceptable
L'angle sous lequel le lobe principal quitte l'horizon

What is the front-to-back ratio of a beam antenna?
Forward radiation compared with radiation to the rear, in dB
Forward power compared with reflected power on its feed line, in dB
Main-lobe radiation compared with the strongest side lobe, in dB
Gain compared with a dipole in the same direction, in dB
Qu'est-ce que le rapport avant-arrière d'une antenne directive ?
La puissance rayonnée vers l'avant rapportée à celle vers l'arrière, en dB
La puissance directe rapportée à la puissance réfléchie sur la ligne, en dB
Le lobe principal rapporté au plus fort lobe secondaire, en dB
Le gain vers l'avant rapporté à celui d'un dipôle, en dB

What is the difference between ERP and EIRP?
ERP is relative to a dipole, EIRP to an isotropic source
ERP includes the feed line loss, while EIRP leaves it out
ERP is a peak envelope value and EIRP an average one over time
ERP comes out higher than the EIRP of the same station and antenna
Quelle différence y a-t-il entre la PAR et la PIRE ?
La PAR se rapporte à un dipôle, la PIRE à une source isotrope
La PAR inclut les pertes de la ligne, alors que la PIRE les néglige
La PAR est une valeur de crête, la PIRE une valeur moyenne dans le temps
La PAR dépasse la PIRE de la même station et de la même antenne

Why does an antenna have the same gain and pattern on receive as on transmit?
Reciprocity makes its properties the same in both directions
The same feed line and balun serve in both directions
Its elements resonate on the same frequency in both cases
Its gain depends on the element spacing, which stays fixed
Pourquoi une antenne a-t-elle le même gain et le même diagramme en réception qu'en émission ?
La réciprocité lui donne les mêmes propriétés dans les deux sens
La même ligne et le même balun servent dans les deux sens
Ses éléments résonnent sur la même fréquence dans les deux cas
Son gain dépend de l'espacement de ses éléments, qui reste fixe

A station replaces its dipole with a Yagi of 8 dBd gain, keeping 100 W and the same feed line, whose loss can be neglected. A distant station that gave an S7 report on the dipole now hears the beam pointed straight at it. Taking 6 dB per S-unit, what report and what ERP should be expected?
A little over S8, with an ERP of about 630 W
Just under S8, with an ERP of about 385 W
Almost S9, with an ERP of about 1,040 W
About S8 and a half, with an ERP of about 800 W
Une station remplace son dipôle par une Yagi de 8 dBd de gain, en gardant 100 W et la même ligne, dont on néglige les pertes. Un correspondant lointain qui donnait S7 sur le dipôle reçoit maintenant la station avec la Yagi pointée droit sur lui. Avec 6 dB par unité S, quel report et quelle PAR faut-il attendre ?
Un peu plus de S8, avec une PAR d'environ 630 W
Un peu moins de S8, avec une PAR d'environ 385 W
Presque S9, avec une PAR d'environ 1 040 W
Environ S8 et demi, avec une PAR d'environ 800 W
""") + [
    erp(100.0, 2.0, 6.0), erp(50.0, 3.5, 11.0),
    dbd_dbi(6.0), safe_dist(100.0, 1.5, 11.5, 2.0),
]



S_YAGI = parse("""
In a Yagi antenna, how do the reflector and directors compare in length with the driven element?
Reflector a little longer, directors a little shorter
Reflector a little shorter and directors a little longer
Reflector and directors both a little longer
Reflector the same length and directors a little shorter
Dans une antenne Yagi, comment les longueurs du réflecteur et des directeurs se comparent-elles à celle de l'élément alimenté ?
Réflecteur un peu plus long, directeurs un peu plus courts
Réflecteur un peu plus court et directeurs un peu plus longs
Réflecteur et directeurs tous deux un peu plus longs
Réflecteur de même longueur et directeurs un peu plus courts

How are the parasitic elements of a Yagi excited?
By currents induced by the driven element's field
By a phasing line from the driven element to each
By currents that reach them along the metal boom
By resonance alone, with no coupling to the driven element
Comment les éléments parasites d'une Yagi sont-ils excités ?
Par les courants qu'induit en eux le champ de l'élément alimenté
Par une ligne de phasage partant de l'élément alimenté
Par des courants qui leur arrivent par la flèche métallique
Par leur propre résonance, sans couplage à l'élément alimenté

What generally happens to a Yagi's gain as more directors are added on a longer boom?
Gain rises and the main lobe narrows
Gain falls and the main lobe widens
Gain rises and the main lobe widens
Gain stays put and the lobe narrows
Qu'arrive-t-il généralement au gain d'une Yagi lorsqu'on ajoute des directeurs sur une flèche plus longue ?
Le gain augmente et le lobe principal se rétrécit
Le gain diminue et le lobe principal s'élargit
Le gain augmente et le lobe principal s'élargit
Le gain reste égal et le lobe principal se rétrécit

Why does the driven element of a Yagi usually need a matching system?
Close parasitic elements pull its impedance well below 50 ohms
Close parasitic elements raise its impedance well above 50 ohms
A metal boom through its centre makes it a full-wave element
Its feed point is a voltage maximum, as on an end-fed wire
Pourquoi l'élément alimenté d'une Yagi a-t-il généralement besoin d'un système d'adaptation ?
Les éléments parasites proches abaissent son impédance bien sous 50 ohms
Les éléments parasites proches élèvent son impédance bien au-dessus de 50 ohms
La flèche métallique qui le traverse en fait un élément onde entière
Son point d'alimentation est un ventre de tension, comme un fil alimenté en bout

Two vertical dipoles half a wavelength apart are fed in phase. Where is the radiation strongest?
Broadside to the line joining them, both ways
Along the line joining them, in both directions
Along the line joining them, towards one of its ends
Evenly round them, as from one vertical on its own
Deux dipôles verticaux espacés d'une demi-longueur d'onde sont alimentés en phase. Où le rayonnement est-il le plus fort ?
Perpendiculairement à leur ligne, des deux côtés
Le long de la ligne qui les joint, dans les deux sens
Le long de la ligne qui les joint, vers l'une de ses extrémités
Partout autour d'eux, comme pour une verticale isolée

Two verticals a quarter wavelength apart are fed 90 degrees out of phase. What pattern results?
A cardioid, strongest one way along their line
A figure of eight, strongest broadside to their line
A figure of eight, strongest both ways along their line
A near circle, as from a single vertical
Deux verticales espacées d'un quart d'onde sont alimentées avec un déphasage de 90 degrés. Qu'obtient-on comme diagramme ?
Une cardioïde, maximale vers un bout de leur ligne
Un huit, maximal perpendiculairement à leur ligne
Un huit, maximal dans les deux sens selon leur ligne
Presque un cercle, comme celui d'une verticale isolée

What is a cubical quad antenna?
A beam whose elements are loops one wavelength in circumference
A beam of four vertical monopoles at the corners of a square
A beam whose elements are loops half a wavelength in circumference
A beam of four dipoles stacked in a cube-shaped frame
Qu'est-ce qu'une antenne quad cubique ?
Une antenne directive à boucles d'une longueur d'onde de périmètre
Une antenne directive à quatre monopôles verticaux aux coins d'un carré
Une antenne directive à boucles d'une demi-longueur d'onde de périmètre
Une antenne directive à quatre dipôles empilés dans un cadre cubique

What is the main feature of a log-periodic antenna?
Moderate gain held over a wide frequency range
High gain over a narrow range set by its longest element
High gain on one band, with traps for the neighbouring bands
An omnidirectional pattern over a wide frequency range
Quelle est la principale caractéristique d'une antenne log-périodique ?
Un gain modéré conservé sur une large plage de fréquences
Un gain élevé sur une plage étroite fixée par son plus long élément
Un gain élevé sur une bande, avec des trappes pour les bandes voisines
Un diagramme omnidirectionnel sur une large plage de fréquences

Why are traps fitted in the elements of some Yagis?
To let the same elements work on several bands
To raise the front-to-back ratio on one band
To stop harmonics of the transmitter being radiated
To stop common-mode current on the feed line
Pourquoi monte-t-on des trappes dans les éléments de certaines Yagi ?
Pour que les mêmes éléments servent sur plusieurs bandes
Pour augmenter le rapport avant-arrière d'une bande
Pour empêcher le rayonnement des harmoniques de l'émetteur
Pour bloquer le courant de mode commun sur la ligne
""") + [
    spacing(14.2, 0.2),
    spacing(50.1, 0.15),
]



S_VERTICAL = parse("""
What is the approximate feed impedance of a quarter-wave vertical over perfect ground?
About 36 ohms
About 12 ohms
About 18 ohms
About 73 ohms
Quelle est l'impédance d'alimentation approximative d'une verticale quart d'onde au-dessus d'un sol parfait ?
Environ 36 ohms
Environ 12 ohms
Environ 18 ohms
Environ 73 ohms

What effect has sloping the radials of a ground-plane antenna downwards?
The feed impedance rises from 36 ohms towards 50 ohms
The feed impedance falls from 36 ohms down towards 20 ohms
The radials start to radiate most of the power
The feed impedance stays the same and the gain rises
Quel effet a l'inclinaison vers le bas des radians d'une antenne ground-plane ?
L'impédance d'alimentation monte de 36 ohms vers 50 ohms
L'impédance d'alimentation descend de 36 ohms vers 20 ohms
Le réseau de radians rayonne alors l'essentiel de la puissance
Le gain augmente et l'impédance reste la même

Why does a ground-mounted vertical benefit from many buried radials?
They cut the ground losses that waste power as heat
They add capacitive reactance that tunes the antenna to resonance
They drain static charge that would raise the noise level
They double the radiation resistance, as a counterpoise
Pourquoi une verticale installée au sol bénéficie-t-elle de nombreux radians enterrés ?
Ils limitent les pertes du sol, qui gaspillent la puissance
Ils ajoutent une réactance capacitive qui accorde l'antenne à la résonance
Ils écoulent les charges statiques, qui élèveraient le bruit reçu
Ils doublent la résistance de rayonnement, comme un contrepoids

Why is a loading coil used in an antenna that is physically short for its band?
It cancels the capacitive reactance of the short radiator
It cancels the inductive reactance of the short radiator
It makes the radiation resistance that of a full-size quarter-wave
It chokes off the harmonics before they reach the radiator
Pourquoi utilise-t-on une bobine de charge dans une antenne physiquement courte pour sa bande ?
Elle annule la réactance capacitive du brin trop court
Elle annule la réactance inductive du brin trop court
Elle lui donne la résistance de rayonnement d'un quart d'onde
Elle bloque les harmoniques avant qu'ils n'atteignent le brin

What does a capacitance hat at the top of a short vertical do?
It keeps more current further up, raising radiation resistance
It lowers the current along the radiator, and so reduces losses
It raises the resonant frequency, so the radiator must be longer
It makes the top part radiate horizontally polarised waves
À quoi sert un chapeau capacitif au sommet d'une verticale courte ?
Il garde un courant fort plus haut, élevant la résistance de rayonnement
Il réduit le courant le long du brin, ce qui diminue d'autant les pertes
Il élève la fréquence de résonance, si bien que le brin doit être plus long
Il fait rayonner à son sommet une onde de polarisation horizontale

How does a trap in a multiband dipole work?
A parallel LC resonant on the higher band isolates the outer wire
A series LC resonant on the higher band grounds the outer wire
A parallel LC resonant on the lower band isolates the outer wire
A ferrite choke keeps the higher band out of the outer wire
Comment fonctionne une trappe dans un dipôle multibande ?
Un LC parallèle résonant sur la bande haute isole le fil extérieur
Un LC série résonant sur la bande haute met le brin à la masse
Un LC parallèle accordé sur la bande basse isole le fil extérieur
Un tore de ferrite empêche la bande haute d'atteindre le fil extérieur

What is typical of a small transmitting magnetic loop?
A narrow bandwidth and kilovolts on its tuning capacitor
A wide bandwidth, so one setting serves a whole band
A high radiation resistance, so that its losses hardly matter
A strong electric and a weak magnetic field close to it
Qu'est-ce qui caractérise une petite boucle magnétique d'émission ?
Une bande étroite et des kilovolts sur son condensateur d'accord
Une bande large, un même réglage valant pour toute la bande
Une résistance de rayonnement élevée, qui rend les pertes négligeables
Une zone proche où le champ électrique domine le champ magnétique

Why is a 5/8-wave vertical popular for VHF mobile use?
It puts more energy at low angles than a quarter-wave
It matches the coax at its base without any coil
It is shorter than a quarter-wave and easier to fit
It puts more energy at high angles, for hilly ground
Pourquoi la verticale 5/8 d'onde est-elle appréciée en VHF mobile ?
Elle rayonne davantage sous les angles bas qu'un quart d'onde
Elle s'adapte au coaxial sans aucune bobine à sa base
Elle est plus courte qu'un quart d'onde et plus simple
Elle rayonne davantage vers le haut, pour les reliefs

Why does an end-fed half-wave antenna need a matching transformer to work with coaxial cable?
Its end presents a high impedance, a few thousand ohms
Its end presents a low impedance, below an ohm
Its end presents the same impedance as a quarter-wave vertical
Its end is a current maximum that would overheat the coax
Pourquoi une antenne demi-onde alimentée par l'extrémité a-t-elle besoin d'un transformateur d'adaptation pour fonctionner avec du câble coaxial ?
Son extrémité présente une impédance de quelques milliers d'ohms
Son extrémité présente une impédance faible, une fraction d'ohm
Son extrémité présente la même impédance qu'une verticale quart d'onde
Son extrémité, ventre de courant, ferait chauffer le coaxial
""") + [
    efficiency(10.0, 15.0), efficiency(4.0, 12.0),
]



S_PATTERN = parse("""
What is the horizontal radiation pattern of a half-wave horizontal dipole in free space?
A figure of eight, strongest at right angles to the wire
A figure of eight, strongest off the ends of the wire
A near circle, a little weaker off the ends of the wire
A single lobe, strongest on the side away from the feed line
Quel est le diagramme de rayonnement horizontal d'un dipôle demi-onde horizontal en espace libre ?
Un huit, maximal perpendiculairement au fil
Un huit, maximal dans l'axe du fil
Un cercle presque parfait, un peu plus faible dans l'axe du fil
Un lobe unique, maximal du côté opposé à la ligne

A horizontal dipole is one wavelength above flat, perfectly conducting ground. At about what elevation angle does its lowest lobe peak?
About 14 degrees
About 22 degrees
About 30 degrees
About 76 degrees
Un dipôle horizontal est à une longueur d'onde au-dessus d'un sol plat parfaitement conducteur. Sous quel angle d'élévation environ son lobe le plus bas est-il maximal ?
Environ 14 degrés
Environ 22 degrés
Environ 30 degrés
Environ 76 degrés

Which antenna best suits near-vertical incidence skywave (NVIS) contacts on 80 m?
A horizontal dipole a tenth to a quarter wave high
A horizontal dipole one wavelength or more above ground
A quarter-wave vertical with a large system of radials
A vertical half-wave dipole well clear of the ground
Pour des liaisons NVIS (incidence quasi verticale) sur 80 m, que vaut-il mieux installer ?
Un dipôle horizontal à un dixième ou un quart d'onde du sol
Un dipôle horizontal à une longueur d'onde ou davantage du sol
Un quart d'onde vertical avec un grand réseau de radians enterrés
Un dipôle demi-onde vertical bien dégagé du sol et des obstacles

On a VHF line-of-sight path, what is the effect of one station using vertical and the other horizontal polarisation?
A loss that is often 20 dB or more on a clear path
A loss of about 3 dB, as with circular polarisation
A loss of about 6 dB, the field being halved
A loss usually under 1 dB, as reflections mix the polarisations
Sur une liaison VHF en visibilité directe, quel est l'effet d'une polarisation verticale d'un côté et horizontale de l'autre ?
Une perte souvent de 20 dB ou plus sur un trajet dégagé
Une perte d'environ 3 dB, comme avec la polarisation circulaire
Une perte d'environ 6 dB, le champ étant divisé par deux
Une perte en général sous 1 dB, les réflexions mêlant les polarisations

Why is circular polarisation often used for satellite communication?
It avoids deep fades as the signal's polarisation rotates
It cancels the Doppler shift of a satellite moving overhead
It adds gain over a linear antenna of like size
It passes the ionosphere, which blocks linear polarisation
Pourquoi utilise-t-on souvent la polarisation circulaire pour les liaisons par satellite ?
Elle évite les évanouissements profonds quand la polarisation tourne
Elle annule le décalage Doppler d'un satellite qui défile
Elle apporte du gain sur une antenne linéaire équivalente
Elle traverse l'ionosphère, qui arrête la polarisation linéaire

A 160 m operator hopes to work a distant station along the grey line at sunrise. What matters most in the antenna?
A low radiation angle, as from a vertical with radials
A high radiation angle, as from a low horizontal dipole
A horizontal wire, whose signal the D layer absorbs less
A narrow beam aimed at the Sun as it rises
Sur 160 m, un opérateur vise une station lointaine par la ligne grise au lever du soleil. Qu'est-ce qui compte le plus dans son antenne ?
Un angle de rayonnement bas, comme avec une verticale sur radians
Un angle de rayonnement élevé, comme avec un dipôle bas
Un fil horizontal, dont le signal est moins absorbé par la couche D
Un faisceau étroit pointé vers le Soleil levant

Roughly how far from a small HF antenna does its reactive near field extend, where E and H must be measured separately for an exposure assessment?
About a sixth of a wavelength
About half a wavelength
About two full wavelengths
About a fiftieth of a wavelength
Jusqu'où s'étend environ le champ proche réactif d'une petite antenne HF, où l'évaluation de l'exposition exige de mesurer E et H séparément ?
Environ un sixième de longueur d'onde
Environ une demi-longueur d'onde
Environ deux longueurs d'onde
Environ un cinquantième de longueur d'onde

Via the F2 layer, roughly what is the longest single hop, reached with a take-off angle near zero?
About 4,000 km
About 1,000 km
About 2,000 km
About 6,000 km
Par la couche F2, quelle est environ la plus longue distance franchie en un seul bond, avec un angle de départ proche de zéro ?
Environ 4 000 km
Environ 1 000 km
Environ 2 000 km
Environ 6 000 km

An NVIS net works well on 7 MHz by day but fails there late at night, while 3.6 MHz still works. Why?
At night the F-layer critical frequency falls below 7 MHz
At night the D layer absorbs 7 MHz more strongly
At night the low antenna's 7 MHz lobe tilts to the horizon
At night the F layer is too high for 7 MHz to reach it
Un réseau NVIS fonctionne bien sur 7 MHz le jour mais échoue tard dans la nuit, alors que 3,6 MHz passe encore. Pourquoi ?
La nuit, la fréquence critique de la couche F passe sous 7 MHz
La nuit, la couche D absorbe davantage les signaux sur 7 MHz
La nuit, le lobe sur 7 MHz de l'antenne basse s'incline
La nuit, la couche F monte trop haut pour le 7 MHz

Why does the ground beneath a horizontal antenna change its vertical pattern?
The reflected and direct waves add at certain angles, cancel at others
The ground absorbs the low angles and sends the rest of the power upward
The ground turns part of the wave into vertical polarisation as it reflects
The ground adds a fixed amount of gain at each angle of elevation
Pourquoi le sol situé sous une antenne horizontale modifie-t-il son diagramme vertical ?
Le sol renvoie une onde qui renforce ou annule l'onde directe selon l'angle
Le sol absorbe les angles bas et renvoie le reste vers le haut
Le sol convertit en réfléchissant une partie de l'onde en polarisation verticale
Le sol ajoute un gain fixe quel que soit l'angle d'élévation

How does a dipole's radiation pattern change when it is used on its third harmonic?
It splits into several lobes, the main ones nearer the wire's axis
It keeps a figure of eight broadside to the wire, though narrower
It splits into several lobes, the main ones broadside to the wire
It becomes one lobe along the wire's axis, off one end
Comment le diagramme de rayonnement d'un dipôle change-t-il lorsqu'on l'utilise sur son troisième harmonique ?
Il se divise en plusieurs lobes, les principaux plus près de l'axe du fil
Il reste un huit perpendiculaire au fil, mais bien plus étroit
Il se divise en plusieurs lobes, les principaux perpendiculaires au fil
Il devient un lobe unique dans l'axe du fil, vers une extrémité
""")



S_MATCHING = parse("""
What is the purpose of a balun at the feed point of a dipole fed with coaxial cable?
To join the balanced dipole to the coax and stop shield current
To step the dipole's impedance down to that of the coax
To cancel the dipole's reactance so it resonates across the band
To block lightning surges before they reach the coax and the shack
Quel est le rôle d'un symétriseur (balun) au point d'alimentation d'un dipôle alimenté en câble coaxial ?
Relier le dipôle symétrique au coaxial et bloquer le courant de tresse
Ramener l'impédance du dipôle à celle du coaxial
Annuler la réactance du dipôle pour qu'il résonne sur toute la bande
Arrêter la foudre avant qu'elle n'atteigne le coaxial

What problems can common-mode current on the outside of a coaxial feed line cause?
The line radiates, distorts the pattern and brings RF into the shack
The line's velocity factor changes, which shifts the resonance of the antenna
The centre conductor overheats, as it must carry the shield's current too
The receiver hears less local noise, as the shield current cancels it
Quels problèmes les courants de mode commun sur l'extérieur d'une ligne coaxiale peuvent-ils causer ?
La ligne rayonne, déforme le diagramme et amène de la HF dans la station
Le coefficient de vélocité de la ligne change, ce qui décale la résonance
L'âme chauffe, car elle doit aussi porter le courant de la tresse
Le récepteur capte moins de bruit local, que le courant de tresse annule

A 4:1 impedance balun has 200 ohms connected to its high-impedance side. What impedance appears at its other side?
50 ohms
100 ohms
12.5 ohms
3,200 ohms
Un balun 4:1 en impédance a 200 ohms branchés du côté haute impédance. Quelle impédance apparaît de l'autre côté ?
50 ohms
100 ohms
12,5 ohms
3 200 ohms

What is a gamma match?
A rod and series capacitor feeding an unbroken element from coax
A shunt coil across the split centre of a driven element
A quarter-wave section of coax that acts as a line transformer
A pair of rods feeding an unbroken element from balanced line
Qu'est-ce qu'une adaptation gamma ?
Une tige et un condensateur série reliant un coaxial à un élément non coupé
Une bobine en parallèle sur le centre coupé d'un élément alimenté
Un tronçon de coaxial quart d'onde qui sert de transformateur d'impédance
Deux tiges alimentant un élément non coupé depuis une ligne symétrique

An antenna tuner at the transmitter shows 1:1 on a mismatched antenna. What has it changed?
Only the impedance that the transmitter sees
The SWR all along the feed line to the antenna
The resonant frequency of the antenna
Feed line loss, which it brings to zero
Une boîte d'accord à l'émetteur indique 1:1 sur une antenne désadaptée. Qu'a-t-elle modifié ?
Seulement l'impédance vue par l'émetteur
Le ROS en chaque point de la ligne jusqu'à l'antenne
La fréquence de résonance de l'antenne elle-même
Les pertes de la ligne, désormais ramenées à zéro

What is an L-network?
A matching network of one series and one shunt reactance
A matching network of a series reactance between two shunt ones
A quarter-wave line section that acts as an impedance transformer
A matching network of a shunt reactance between two series ones
Qu'est-ce qu'un réseau en L ?
Un réseau d'adaptation d'une réactance série et d'une parallèle
Un réseau d'adaptation d'une réactance série entre deux parallèles
Un tronçon quart d'onde employé en transformateur
Un réseau d'adaptation d'une réactance parallèle entre deux en série

How can a simple choke balun be made?
By coiling the coax or threading it through ferrite cores
By winding the coax round a steel rod at the feed point
By fitting a capacitor across the feed point of the dipole
By earthing the coax shield at the feed point of the dipole
Comment peut-on réaliser un simple balun à self ?
En enroulant le coaxial ou en l'enfilant dans des tores de ferrite
En enroulant le coaxial autour d'une tige d'acier près du point d'alimentation
En plaçant un condensateur aux bornes du point d'alimentation du dipôle
En mettant la tresse à la terre au point d'alimentation du dipôle

How does a hairpin match work on a Yagi's split driven element?
A shunt coil across the slightly short element steps its impedance up
A series capacitor in each of its halves cancels the inductance
A shunt coil across the slightly long element lowers its impedance
A shunt resistor across the split element raises its feed impedance
Comment fonctionne une adaptation en épingle (hairpin) sur l'élément alimenté coupé d'une Yagi ?
Une self en parallèle sur l'élément un peu court élève son impédance
Une capacité série dans les deux moitiés annule l'inductance de l'élément
Une self en parallèle sur l'élément un peu long abaisse son impédance
Une résistance placée en parallèle sur l'élément coupé élève son impédance

Why can a matching stub be used to match a load to a feed line?
A line section at the right point cancels the reactance there
A line section at the load absorbs the reflected power there
A line section at the feed point raises radiation resistance
A line section at the transmitter end matches the whole line
Pourquoi peut-on utiliser un stub pour adapter une charge à une ligne ?
Un tronçon de ligne au bon endroit y annule la réactance
Un tronçon de ligne à la charge y absorbe la puissance réfléchie
Un tronçon de ligne au point d'alimentation élève la résistance de rayonnement
Un tronçon de ligne côté émetteur adapte l'ensemble de la ligne
""") + [
    balun_ratio(3, 450.0),
]



TOPIC = {
    "en": "Antennas",
    "fr": "Antennes",
    "sections": [S_DIPOLE, S_GAIN, S_YAGI, S_VERTICAL, S_PATTERN, S_MATCHING],
}
