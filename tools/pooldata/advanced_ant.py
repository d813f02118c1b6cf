"""Advanced topic 7: antennas."""

from advanced_calc import calc, parse, si, num, unit_fmt, plain_fmt


def _m(v, lang):
    return "%s m" % num(v, lang, 3)


def _pct(v, lang):
    return ("%s%%" if lang == "en" else "%s %%") % num(v, lang, 2)


def dipole(f):
    c = 142.5 / f
    return calc(
        "With a 0.95 shortening factor, how long is a half-wave wire dipole for %s MHz?" % num(f, "en", 5),
        "Avec un coefficient de raccourcissement de 0,95, quelle est la longueur d'un dip\u00f4le demi-onde filaire pour %s MHz ?" % num(f, "fr", 5),
        [c, 150.0 / f, 2 * c, c / 2], _m)


def quarter(f):
    c = 71.25 / f
    return calc(
        "With a 0.95 shortening factor, how long is the radiator of a quarter-wave vertical for %s MHz?" % num(f, "en", 5),
        "Avec un coefficient de raccourcissement de 0,95, quelle est la longueur du brin d'une verticale quart d'onde pour %s MHz ?" % num(f, "fr", 5),
        [c, 2 * c, 300.0 / f, c / 2], _m)


def erp(p, loss, gain):
    c = p * 10 ** ((gain - loss) / 10.0)
    return calc(
        "A transmitter feeds %s through %s dB of line loss to a %s dBd antenna. What is the ERP?" % (si(p, "W", "en"), num(loss, "en"), num(gain, "en")),
        "Un \u00e9metteur fournit %s \u00e0 travers %s dB de pertes de ligne \u00e0 une antenne de %s dBd. Quelle est la PAR ?" % (si(p, "W", "fr"), num(loss, "fr"), num(gain, "fr")),
        [c, p * 10 ** ((gain + loss) / 10.0), p * (gain - loss), p], unit_fmt("W"))


def dbd_dbi(g):
    c = g + 2.15
    return calc(
        "An antenna has a gain of %s dBd. What is its gain expressed in dBi?" % num(g, "en"),
        "Une antenne a un gain de %s dBd. Quel est son gain exprim\u00e9 en dBi ?" % num(g, "fr"),
        [c, g - 2.15, g + 3, g * 2], plain_fmt(" dBi", " dBi", 3))


def efficiency(rr, rl):
    c = rr / (rr + rl) * 100
    return calc(
        "A short vertical has %s of radiation resistance and %s of loss resistance. What is its efficiency?" % (si(rr, "ohms", "en"), si(rl, "ohms", "en")),
        "Une verticale courte a %s de r\u00e9sistance de rayonnement et %s de r\u00e9sistance de pertes. Quel est son rendement ?" % (si(rr, "ohms", "fr"), si(rl, "ohms", "fr")),
        [c, rr / rl * 100 if rr < rl else rl / rr * 100, 100 - c, rl / (rr + rl) * 50], _pct)


def spacing(f, frac):
    c = frac * 300.0 / f
    return calc(
        "A Yagi for %s MHz has its reflector spaced %s wavelength behind the driven element. What is the spacing in metres?" % (num(f, "en", 5), num(frac, "en")),
        "Une Yagi pour %s MHz a son r\u00e9flecteur \u00e0 %s longueur d'onde derri\u00e8re l'\u00e9l\u00e9ment aliment\u00e9. Quel est cet espacement en m\u00e8tres ?" % (num(f, "fr", 5), num(frac, "fr")),
        [c, 300.0 / f, c * 2, frac * 150.0 / f], _m)


def balun_ratio(n, z):
    c = z / (n * n)
    return calc(
        "A transformer balun has a turns ratio of %d:1. What impedance does it present at its low side when %s is connected to its high side?" % (n, si(z, "ohms", "en")),
        "Un balun \u00e0 transformateur a un rapport de spires de %d:1. Quelle imp\u00e9dance pr\u00e9sente-t-il c\u00f4t\u00e9 bas lorsque %s sont branch\u00e9s c\u00f4t\u00e9 haut ?" % (n, si(z, "ohms", "fr")),
        [c, z / n, z * n * n, z - n * 50], lambda v, lang: si(v, "ohms", lang, 3))


S_DIPOLE = parse("""
What is the approximate feed-point impedance of a half-wave dipole in free space?
About 73 ohms
About 300 ohms
About 36 ohms
About 600 ohms
Quelle est l'impédance approximative au point d'alimentation d'un dipôle demi-onde en espace libre ?
Environ 73 ohms
Environ 300 ohms
Environ 36 ohms
Environ 600 ohms

How are current and voltage distributed along a resonant half-wave dipole?
Current is greatest at the centre and voltage greatest at the ends
Voltage is greatest at the centre and current greatest at the ends
Both are constant along the whole length
Both are greatest at the centre
Comment le courant et la tension se répartissent-ils le long d'un dipôle demi-onde résonant ?
Le courant est maximal au centre et la tension maximale aux extrémités
La tension est maximale au centre et le courant maximal aux extrémités
Les deux sont constants sur toute la longueur
Les deux sont maximaux au centre

What is the radiation resistance of an antenna?
The resistance that would dissipate the radiated power at the same current
The DC resistance of the antenna wire
The resistance of the ground connection
The resistance of the end insulators, which sets how much power leaks to the supports
Qu'est-ce que la résistance de rayonnement d'une antenne ?
La résistance qui dissiperait la puissance rayonnée pour le même courant
La résistance en continu du fil d'antenne
La résistance de la prise de terre
La résistance des isolateurs d'extrémité, qui fixe la puissance perdue vers les supports

A dipole shows inductive reactance at the operating frequency. What must be done to make it resonant there?
Shorten it
Lengthen it
Raise it higher
Feed it with thicker coaxial cable
Un dipôle présente une réactance inductive sur la fréquence de travail. Que faut-il faire pour qu'il y soit résonant ?
Le raccourcir
L'allonger
Le monter plus haut
L'alimenter avec un câble coaxial plus gros

What is the feed-point impedance of a half-wave folded dipole made of equal conductors?
About 300 ohms, four times that of a simple dipole
About 18 ohms, a quarter of that of a simple dipole
About 73 ohms, the same as a simple dipole
About 150 ohms, twice that of a simple dipole
Quelle est l'impédance d'alimentation d'un dipôle replié demi-onde à conducteurs égaux ?
Environ 300 ohms, quatre fois celle d'un dipôle simple
Environ 18 ohms, le quart de celle d'un dipôle simple
Environ 73 ohms, comme un dipôle simple
Environ 150 ohms, le double de celle d'un dipôle simple

A centre-fed dipole is used at twice its fundamental frequency. What does the feed point present?
A high impedance, as it is now one wavelength long
A low impedance of about 73 ohms
A short circuit
The same impedance as on the fundamental, about 73 ohms
Un dipôle alimenté au centre est utilisé au double de sa fréquence fondamentale. Que présente le point d'alimentation ?
Une impédance élevée, car il mesure alors une longueur d'onde
Une faible impédance d'environ 73 ohms
Un court-circuit
La même impédance que sur la fondamentale, environ 73 ohms

How does raising the frequency slightly above resonance change a dipole's feed-point impedance?
It adds inductive reactance to the resistance
It adds capacitive reactance to the resistance
It makes the impedance purely resistive and higher
It has no effect on the impedance
Comment une fréquence légèrement supérieure à la résonance modifie-t-elle l'impédance d'alimentation d'un dipôle ?
Elle ajoute une réactance inductive à la résistance
Elle ajoute une réactance capacitive à la résistance
Elle rend l'impédance purement résistive et plus élevée
Elle n'a aucun effet sur l'impédance
""") + [
    dipole(3.65), dipole(14.2), quarter(28.5),
    quarter(7.1),
]

S_GAIN = parse("""
What is the difference between gains quoted in dBi and in dBd?
dBi is referred to an isotropic radiator, dBd to a dipole
dBi is referred to a dipole and dBd to an isotropic radiator
dBd figures are always twice the dBi figures
There is no difference; the letters are interchangeable
Quelle différence y a-t-il entre des gains exprimés en dBi et en dBd ?
Le dBi se rapporte à un radiateur isotrope, le dBd à un dipôle
Le dBi se rapporte à un dipôle et le dBd à un radiateur isotrope
Les valeurs en dBd sont toujours le double des valeurs en dBi
Il n'y a aucune différence ; les lettres sont interchangeables

Where does the gain of a directional antenna come from?
From concentrating power in some directions at others' expense
From amplifying the power supplied by the transmitter
From the resistance of its elements
From reducing the noise of the receiver
D'où provient le gain d'une antenne directive ?
De la concentration de la puissance dans certaines directions aux dépens des autres
De l'amplification de la puissance fournie par l'émetteur
De la résistance de ses éléments
De la réduction du bruit du récepteur

What is the beamwidth of a directional antenna?
The angle between the two -3 dB points of the main lobe
The length of the boom
The spacing between the reflector and the driven element
The range of frequencies over which the SWR stays below 2:1
Qu'est-ce que l'ouverture du faisceau d'une antenne directive ?
L'angle entre les deux points à -3 dB du lobe principal
La longueur de la flèche (boom)
L'espacement entre le réflecteur et l'élément alimenté
La plage de fréquences sur laquelle le ROS reste inférieur à 2:1

What is the front-to-back ratio of a beam antenna?
The ratio, in dB, of forward radiation to radiation to the rear
The ratio of the boom length to the element length
The ratio of forward to reflected power on its feed line
The number of directors divided by the number of reflectors
Qu'est-ce que le rapport avant-arrière d'une antenne directive ?
Le rapport, en dB, du rayonnement vers l'avant au rayonnement vers l'arrière
Le rapport entre la longueur de la flèche et celle des éléments
Le rapport des puissances directe et réfléchie sur sa ligne
Le nombre de directeurs divisé par le nombre de réflecteurs

What is the difference between ERP and EIRP?
ERP is referred to a dipole and EIRP to an isotropic antenna
ERP includes feed line loss and EIRP leaves it out
EIRP is used only for receivers
They are the same quantity, measured at different heights above the ground
Quelle différence y a-t-il entre la PAR et la PIRE ?
La PAR se rapporte à un dipôle et la PIRE à une antenne isotrope
La PAR inclut les pertes de la ligne et la PIRE les néglige
La PIRE ne sert que pour les récepteurs
Ce sont la même grandeur, mesurée à des hauteurs différentes au-dessus du sol

Why does an antenna have the same gain and pattern on receive as on transmit?
By reciprocity, its properties are the same in both directions of use
Because receivers have automatic gain control
Because the feed line equalises the two
It does not; receive gain is always 3 dB lower than transmit gain
Pourquoi une antenne a-t-elle le même gain et le même diagramme en réception qu'en émission ?
Par réciprocité, ses propriétés sont les mêmes dans les deux sens d'utilisation
Parce que les récepteurs ont une commande automatique de gain
Parce que la ligne égalise les deux
Ce n'est pas le cas ; le gain en réception est toujours inférieur de 3 dB

A station replaces its dipole with a Yagi of 8 dBd gain, keeping 100 W and the same feed line. A distant station that gave an S7 report on the dipole now hears the beam pointed straight at it. Taking 6 dB per S-unit, what report and what ERP should be expected?
A little over S8, with an ERP of about 630 W
About S9 plus 20 dB, with an ERP of about 800 W
Still S7, since antenna gain does not change reports
S8, with an ERP of about 108 W
Une station remplace son dipôle par une Yagi de 8 dBd de gain, en gardant 100 W et la même ligne. Un correspondant lointain qui donnait S7 sur le dipôle reçoit maintenant l'antenne pointée droit sur lui. Avec 6 dB par unité S, quel report et quelle PAR faut-il attendre ?
Un peu plus de S8, avec une PAR d'environ 630 W
Environ S9 plus 20 dB, avec une PAR d'environ 800 W
Toujours S7, car le gain d'antenne ne change pas les reports
S8, avec une PAR d'environ 108 W
""") + [
    erp(100.0, 2.0, 6.0), erp(50.0, 3.0, 10.0),
    dbd_dbi(6.0), dbd_dbi(9.5),
]

S_YAGI = parse("""
In a Yagi antenna, how do the reflector and directors compare in length with the driven element?
The reflector is slightly longer and the directors slightly shorter
The reflector is slightly shorter and the directors slightly longer
All elements are exactly the same length
The directors are twice as long as the reflector
Dans une antenne Yagi, comment les longueurs du réflecteur et des directeurs se comparent-elles à celle de l'élément alimenté ?
Le réflecteur est un peu plus long et les directeurs un peu plus courts
Le réflecteur est un peu plus court et les directeurs un peu plus longs
Tous les éléments ont exactement la même longueur
Les directeurs sont deux fois plus longs que le réflecteur

How are the parasitic elements of a Yagi excited?
By currents induced in them by the field of the driven element
By separate feed lines from the transmitter
By a direct connection to the boom
They are not excited; they only support the driven element
Comment les éléments parasites d'une Yagi sont-ils excités ?
Par les courants qu'y induit le champ de l'élément alimenté
Par des lignes d'alimentation séparées venant de l'émetteur
Par une connexion directe à la flèche
Ils ne sont pas excités ; ils ne font que soutenir l'élément alimenté

What generally happens to a Yagi's gain as more directors are added on a longer boom?
Gain rises and the beam narrows
Gain falls and the beam widens
Gain stays the same and only the bandwidth changes
The antenna becomes omnidirectional
Qu'arrive-t-il généralement au gain d'une Yagi lorsqu'on ajoute des directeurs sur une flèche plus longue ?
Le gain augmente et le faisceau se rétrécit
Le gain diminue et le faisceau s'élargit
Le gain reste le même et seule la bande passante change
L'antenne devient omnidirectionnelle

Why does the driven element of a Yagi usually need a matching system?
Nearby parasitic elements lower its feed impedance well below 50 ohms
The driven element is always a full wavelength long
Parasitic elements raise the impedance to several thousand ohms
The boom short-circuits the driven element
Pourquoi l'élément alimenté d'une Yagi a-t-il généralement besoin d'un système d'adaptation ?
Les éléments parasites voisins abaissent son impédance bien sous 50 ohms
L'élément alimenté mesure toujours une longueur d'onde entière
Les éléments parasites élèvent l'impédance à plusieurs milliers d'ohms
La flèche court-circuite l'élément alimenté

Two vertical dipoles half a wavelength apart are fed in phase. Where is the radiation strongest?
Broadside, at right angles to the line joining them
Along the line joining them, in both directions
Along the line joining them, in one direction only
Equally in all horizontal directions
Deux dipôles verticaux espacés d'une demi-longueur d'onde sont alimentés en phase. Où le rayonnement est-il le plus fort ?
Perpendiculairement à la ligne qui les joint
Le long de la ligne qui les joint, dans les deux sens
Le long de la ligne qui les joint, dans un seul sens
Également dans toutes les directions horizontales

Two verticals a quarter wavelength apart are fed 90 degrees out of phase. What pattern results?
A cardioid, strongest one way along their line
A figure of eight broadside to their line, with two equal lobes
An omnidirectional pattern
Two equal lobes along their line
Deux verticales espacées d'un quart d'onde sont alimentées avec un déphasage de 90 degrés. Quel diagramme en résulte-t-il ?
Une cardioïde, maximale dans un sens le long de leur ligne
Un huit perpendiculaire à leur ligne, avec deux lobes égaux
Un diagramme omnidirectionnel
Deux lobes égaux le long de leur ligne

What is a cubical quad antenna?
A beam whose elements are loops about one wavelength in circumference
An array of four vertical monopoles at the corners of a square
A dipole folded four times
A log-periodic array with four elements
Qu'est-ce qu'une antenne quad cubique ?
Une antenne directive dont les éléments sont des boucles d'environ une longueur d'onde de périmètre
Un réseau de quatre monopôles verticaux aux coins d'un carré
Un dipôle replié quatre fois
Un réseau log-périodique à quatre éléments

What is the main feature of a log-periodic antenna?
Moderate gain over a wide frequency range
Very high gain on a single frequency only, with a narrow beam
An omnidirectional pattern
No need for a feed line
Quelle est la principale caractéristique d'une antenne log-périodique ?
Un gain modéré sur une large plage de fréquences
Un gain très élevé sur une seule fréquence, avec un faisceau étroit
Un diagramme omnidirectionnel
Aucun besoin de ligne d'alimentation

Why are traps fitted in the elements of some Yagis?
To let the same elements work on several bands
To increase the gain on a single band
To protect the antenna from lightning
To make the elements lighter
Pourquoi monte-t-on des trappes dans les éléments de certaines Yagi ?
Pour que les mêmes éléments fonctionnent sur plusieurs bandes
Pour augmenter le gain sur une seule bande
Pour protéger l'antenne de la foudre
Pour alléger les éléments
""") + [
    spacing(14.2, 0.2),
    spacing(50.1, 0.15),
]

S_VERTICAL = parse("""
What is the approximate feed impedance of a quarter-wave vertical over perfect ground?
About 36 ohms
About 73 ohms
About 300 ohms
About 600 ohms
Quelle est l'impédance d'alimentation approximative d'une verticale quart d'onde au-dessus d'un sol parfait ?
Environ 36 ohms
Environ 73 ohms
Environ 300 ohms
Environ 600 ohms

What effect has sloping the radials of a ground-plane antenna downwards?
The feed-point impedance rises towards 50 ohms
The feed-point impedance falls towards 10 ohms
The antenna becomes horizontally polarised
The resonant frequency doubles
Quel effet a l'inclinaison vers le bas des radians d'une antenne ground-plane ?
L'impédance d'alimentation monte vers 50 ohms
L'impédance d'alimentation descend vers 10 ohms
L'antenne devient polarisée horizontalement
La fréquence de résonance double

Why does a ground-mounted vertical benefit from many buried radials?
They reduce the ground losses that waste power
They raise the radiation angle
They add capacitive reactance to tune the antenna
They protect the coaxial cable
Pourquoi une verticale installée au sol bénéficie-t-elle de nombreux radians enterrés ?
Ils réduisent les pertes dans le sol qui gaspillent la puissance
Ils élèvent l'angle de rayonnement
Ils ajoutent une réactance capacitive pour accorder l'antenne
Ils protègent le câble coaxial

Why is a loading coil used in an antenna that is physically short for its band?
It cancels the short radiator's capacitive reactance, bringing it to resonance
It raises the radiation resistance to 50 ohms by adding extra length of wire to the radiator
It removes harmonics
It makes the antenna directional
Pourquoi utilise-t-on une bobine de charge dans une antenne physiquement courte pour sa bande ?
Elle annule la réactance capacitive du brin court et le ramène à la résonance
Elle porte la résistance de rayonnement à 50 ohms en ajoutant de la longueur de fil au brin
Elle supprime les harmoniques
Elle rend l'antenne directive

What does a capacitance hat at the top of a short vertical do?
It spreads the current more evenly, raising radiation resistance
It lowers the current along the radiator
It acts only as a lightning rod and has no electrical effect on the antenna
It changes the polarisation to horizontal
À quoi sert un chapeau capacitif au sommet d'une verticale courte ?
Il répartit mieux le courant, ce qui élève la résistance de rayonnement
Il réduit le courant le long du brin
Il sert seulement de paratonnerre et n'a aucun effet électrique sur l'antenne
Il rend la polarisation horizontale

How does a trap in a multiband dipole work?
A parallel LC circuit resonant on the higher band isolates the outer wire
A series LC circuit shorts the antenna to ground on the higher band only
A resistor absorbs the power on the unwanted band
A relay switches the wire sections in and out
Comment fonctionne une trappe dans un dipôle multibande ?
Un circuit LC parallèle résonant sur la bande haute y isole le fil extérieur
Un circuit LC série met l'antenne à la masse sur la seule bande haute
Une résistance absorbe la puissance sur la bande indésirable
Un relais connecte et déconnecte les sections du fil

What is typical of a small transmitting magnetic loop?
A very narrow bandwidth and a high voltage on its tuning capacitor
A very wide bandwidth, so that no retuning is needed across a band
A feed impedance of exactly 300 ohms
Gain of more than 10 dBi
Qu'est-ce qui caractérise une petite boucle magnétique d'émission ?
Une bande très étroite et une tension élevée sur son condensateur d'accord
Une bande très large, si bien qu'aucun réaccord n'est nécessaire dans une bande
Une impédance d'alimentation d'exactement 300 ohms
Un gain supérieur à 10 dBi

Why is a 5/8-wave vertical popular for VHF mobile use?
It gives a lower radiation angle than a quarter-wave
It needs no matching at all
It is shorter than a quarter-wave whip and so easier to fit
It radiates mainly straight up
Pourquoi la verticale 5/8 d'onde est-elle appréciée en VHF mobile ?
Elle donne un angle de rayonnement plus bas qu'un quart d'onde
Elle ne nécessite aucune adaptation
Elle est plus courte qu'un fouet quart d'onde et se monte donc plus facilement
Elle rayonne surtout vers le haut

Why does an end-fed half-wave antenna need a matching transformer to work with coaxial cable?
Its end presents a very high impedance, a few thousand ohms
Its end presents almost zero impedance, a fraction of an ohm
It is always fed with balanced line
It has no resonant frequency
Pourquoi une antenne demi-onde alimentée par l'extrémité a-t-elle besoin d'un transformateur d'adaptation pour fonctionner avec du câble coaxial ?
Son extrémité présente une impédance très élevée, de quelques milliers d'ohms
Son extrémité présente une impédance presque nulle, une fraction d'ohm
Elle est toujours alimentée en ligne symétrique
Elle n'a pas de fréquence de résonance
""") + [
    efficiency(10.0, 15.0), efficiency(4.0, 12.0),
]

S_PATTERN = parse("""
What is the horizontal radiation pattern of a half-wave horizontal dipole in free space?
A figure of eight, strongest broadside to the wire
A circle, equal in all directions
Strongest off the ends of the wire, weakest broadside
A single lobe in one direction
Quel est le diagramme de rayonnement horizontal d'un dipôle demi-onde horizontal en espace libre ?
Un huit, maximal perpendiculairement au fil
Un cercle, égal dans toutes les directions
Maximal dans l'axe du fil, minimal perpendiculairement
Un seul lobe dans une direction

How does raising a horizontal HF antenna higher above ground affect its main vertical radiation angle?
The angle becomes lower, favouring long distances
The angle becomes higher, favouring short distances
The angle does not depend on height
The polarisation becomes vertical
Comment l'élévation d'une antenne HF horizontale au-dessus du sol modifie-t-elle son angle de rayonnement vertical principal ?
L'angle devient plus bas, ce qui favorise la grande distance
L'angle devient plus élevé, ce qui favorise les courtes distances
L'angle ne dépend pas de la hauteur
La polarisation devient verticale

What is near-vertical incidence skywave (NVIS) operation?
Radiating mostly upwards from a low antenna, for short-range contacts
Using a tall vertical for long-distance contacts at low angles
Using satellites at high elevation
Using ground wave on VHF
Qu'est-ce que le fonctionnement en onde ionosphérique à incidence quasi verticale (NVIS) ?
Rayonner surtout vers le haut depuis une antenne basse, pour les courtes distances
L'emploi d'une haute verticale pour les liaisons lointaines sous un angle bas
L'emploi de satellites à forte élévation
L'emploi de l'onde de sol en VHF

On a VHF line-of-sight path, what is the effect of one station using vertical and the other horizontal polarisation?
A large loss, often around 20 dB
A gain of about 3 dB
No effect at all
A shift of the received frequency of a few kilohertz
Sur une liaison VHF en visibilité directe, quel est l'effet de l'emploi de la polarisation verticale par une station et horizontale par l'autre ?
Une forte perte, souvent de l'ordre de 20 dB
Un gain d'environ 3 dB
Aucun effet
Un décalage de la fréquence reçue de quelques kilohertz

Why is circular polarisation often used for satellite communication?
It greatly reduces fading caused by rotation of the polarisation
It doubles the output power
It removes Doppler shift
It is the only polarisation that can pass through the ionosphere
Pourquoi utilise-t-on souvent la polarisation circulaire pour les liaisons par satellite ?
Elle réduit fortement les évanouissements dus à la rotation de la polarisation
Elle double la puissance de sortie
Elle supprime l'effet Doppler
C'est la seule polarisation qui puisse traverser l'ionosphère

What is the difference between an azimuth and an elevation pattern?
Azimuth is around the horizon; elevation is against angle above ground
The azimuth pattern is for receiving and the elevation pattern for transmitting
The elevation pattern shows the antenna height
They are the same pattern on different scales
Quelle est la différence entre un diagramme en azimut et un diagramme en site ?
L'azimut couvre le tour d'horizon ; le site, l'angle au-dessus du sol
Le diagramme en azimut sert à la réception et celui en site à l'émission
Le diagramme en site montre la hauteur de l'antenne
C'est le même diagramme à des échelles différentes

Why should antenna patterns and field strengths be measured in the far field?
Close to the antenna the field has not yet taken its final shape
The far field is always stronger
Near-field measurements damage the instrument with the high voltages found there
The far field has no polarisation
Pourquoi faut-il mesurer les diagrammes et les champs d'une antenne en champ lointain ?
Près de l'antenne, le champ n'a pas encore pris sa forme définitive
Le champ lointain est toujours plus fort
Les mesures en champ proche détruisent l'instrument par les hautes tensions qui y règnent
Le champ lointain n'a pas de polarisation

What is the horizontal pattern of a single vertical monopole with a symmetrical ground system?
Omnidirectional
A figure of eight
A cardioid
A single narrow beam
Quel est le diagramme horizontal d'un monopôle vertical seul, doté d'un système de terre symétrique ?
Omnidirectionnel
En huit
En cardioïde
Un seul faisceau étroit

What are side lobes in an antenna pattern?
Smaller lobes in directions other than the main beam
The main lobe seen from the side
The lobes of the reflected wave on the feed line
The nulls between two antennas
Que sont les lobes secondaires d'un diagramme d'antenne ?
Des lobes plus petits dans d'autres directions que le faisceau principal
Le lobe principal vu de côté
Les lobes de l'onde réfléchie sur la ligne
Les creux entre deux antennes

Why does the ground beneath a horizontal antenna change its vertical pattern?
The ground reflection adds to the direct wave at some angles and cancels at others
The ground absorbs all radiation below 45 degrees and reflects the rest upward
The ground adds harmonics
The ground rotates the polarisation by 90 degrees
Pourquoi le sol situé sous une antenne horizontale modifie-t-il son diagramme vertical ?
La réflexion sur le sol renforce l'onde directe à certains angles et l'annule à d'autres
Le sol absorbe tout le rayonnement sous 45 degrés et renvoie le reste vers le haut
Le sol ajoute des harmoniques
Le sol fait tourner la polarisation de 90 degrés

How does a dipole's radiation pattern change when it is used on its third harmonic?
It splits into several lobes, the main ones nearer the wire's axis
It stays a figure of eight broadside to the wire, only narrower
It becomes omnidirectional
It becomes a single lobe off one end
Comment le diagramme de rayonnement d'un dipôle change-t-il lorsqu'on l'utilise sur son troisième harmonique ?
Il se divise en plusieurs lobes, les principaux plus proches de l'axe du fil
Il reste un huit perpendiculaire au fil, seulement plus étroit
Il devient omnidirectionnel
Il devient un seul lobe dans l'axe d'une extrémité
""")

S_MATCHING = parse("""
What is the purpose of a balun at the feed point of a dipole fed with coaxial cable?
To join the balanced antenna to the coax and stop current on the shield
To raise the antenna's gain
To tune the antenna to resonance
To protect the cable from water entering at the feed point during heavy rain
Quel est le rôle d'un symétriseur (balun) au point d'alimentation d'un dipôle alimenté en câble coaxial ?
Raccorder l'antenne symétrique au coaxial et bloquer le courant sur la tresse
Augmenter le gain de l'antenne
Accorder l'antenne à la résonance
Protéger le câble de l'eau qui entre au point d'alimentation par forte pluie

What problems can common-mode current on the outside of a coaxial feed line cause?
The line radiates, distorting the pattern and bringing RF into the shack
The SWR meter always reads 1:1
The transmitter's frequency drifts as the current heats the cable and its dielectric
The cable's velocity factor doubles
Quels problèmes les courants de mode commun sur l'extérieur d'une ligne coaxiale peuvent-ils causer ?
La ligne rayonne, déforme le diagramme et amène de la HF dans la station
Le ROS-mètre indique toujours 1:1
La fréquence de l'émetteur dérive à mesure que le courant chauffe le câble et son diélectrique
Le coefficient de vélocité du câble double

A 4:1 impedance balun has 200 ohms connected to its high-impedance side. What impedance appears at its other side?
50 ohms
200 ohms
800 ohms
12.5 ohms
Un balun 4:1 en impédance a 200 ohms branchés du côté haute impédance. Quelle impédance apparaît de l'autre côté ?
50 ohms
200 ohms
800 ohms
12,5 ohms

What is a gamma match?
A rod and series capacitor feeding an unsplit element from coax
A coil that loads a short vertical
A filter that removes gamma radiation
A quarter-wave transformer made of 450-ohm ladder line
Qu'est-ce qu'une adaptation gamma ?
Une tige et un condensateur série alimentant un élément non coupé depuis un coaxial
Une bobine qui charge une verticale courte
Un filtre qui supprime le rayonnement gamma
Un transformateur quart d'onde en ligne à échelle de 450 ohms

An antenna tuner at the transmitter shows 1:1 on a mismatched antenna. What has it changed?
Only the impedance seen by the transmitter
The SWR everywhere on the feed line, right up to the antenna
The resonant frequency of the antenna
The gain of the antenna
Une boîte d'accord à l'émetteur indique 1:1 sur une antenne désadaptée. Qu'a-t-elle modifié ?
Seulement l'impédance vue par l'émetteur
Le ROS en tout point de la ligne, jusqu'à l'antenne
La fréquence de résonance de l'antenne
Le gain de l'antenne

What is an L-network?
A matching network of one series and one shunt reactance
A lightning arrestor shaped like an L
A feed line bent at right angles
A low-pass filter made of three capacitors and no inductor
Qu'est-ce qu'un réseau en L ?
Un réseau d'adaptation d'une réactance série et d'une réactance parallèle
Un parafoudre en forme de L
Une ligne coudée à angle droit
Un filtre passe-bas fait de trois condensateurs et sans bobine

How can a simple choke balun be made?
By coiling the coax or threading it through ferrite cores
By connecting a resistor across the feed point
By cutting the coaxial shield near the antenna
By adding a capacitor in series with the centre conductor
Comment peut-on réaliser un simple balun à self ?
En enroulant le coaxial ou en l'enfilant dans des tores de ferrite
En branchant une résistance aux bornes du point d'alimentation
En coupant la tresse du coaxial près de l'antenne
En ajoutant un condensateur en série avec l'âme

How does a hairpin match work on a Yagi's split driven element?
A shunt inductance across the capacitive element steps its impedance up
It adds a resistor across the element to raise the feed impedance
It shorts the driven element to the boom
It doubles the element's length
Comment fonctionne une adaptation en épingle (hairpin) sur l'élément alimenté coupé d'une Yagi ?
Une inductance parallèle sur l'élément capacitif élève son impédance
Elle ajoute une résistance sur l'élément pour élever l'impédance d'alimentation
Elle met l'élément alimenté à la masse par la flèche
Elle double la longueur de l'élément

Why can a matching stub be used to match a load to a feed line?
A line section at the right point cancels the reactance there
A stub absorbs the reflected power
A stub raises the antenna's radiation resistance to 50 ohms
A stub works only on direct current
Pourquoi peut-on utiliser un stub pour adapter une charge à une ligne ?
Un tronçon de ligne au bon endroit y annule la réactance
Un stub absorbe la puissance réfléchie
Un stub élève la résistance de rayonnement de l'antenne à 50 ohms
Un stub ne fonctionne qu'en courant continu
""") + [
    balun_ratio(3, 450.0),
]

TOPIC = {
    "en": "Antennas",
    "fr": "Antennes",
    "sections": [S_DIPOLE, S_GAIN, S_YAGI, S_VERTICAL, S_PATTERN, S_MATCHING],
}
