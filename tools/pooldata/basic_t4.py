"""Basic topic 4: circuit components."""

from basic_util import parse
import basic_calc as c

TITLE = ("Circuit components", "Composants des circuits")

S01 = parse("""
In the international system of units, in which unit is the resistance of a resistor measured?
The ohm
The ampere
The farad
The henry
Dans le système international d'unités, en quelle unité mesure-t-on la résistance d'une résistance ?
L'ohm
L'ampère
Le farad
Le henry

Why are wire-wound resistors unsuitable for many RF circuits?
Their winding adds inductance, which matters at RF
Their resistance falls sharply at radio frequencies
They only handle a fraction of a watt
Their value drifts too much as they warm up
Pourquoi les résistances bobinées conviennent-elles mal à de nombreux circuits HF ?
Leur bobinage ajoute une inductance, gênante en HF
Leur résistance chute fortement aux fréquences radio
Elles ne dissipent jamais plus d'une fraction de watt
Leur valeur dérive trop quand elles chauffent

What does the power rating of a resistor tell you?
The power it can dissipate without overheating
The power it delivers to the load it feeds
The power it can take for a short pulse
The highest voltage it can stand across it
Qu'indique la puissance nominale d'une résistance ?
La puissance qu'elle dissipe sans trop chauffer
La puissance qu'elle fournit à la charge
La puissance qu'elle supporte pendant une brève impulsion
La plus haute tension qu'elle supporte à ses bornes

What is a potentiometer?
A resistor with a sliding contact, for adjustment
A fixed resistor with three leads, for higher power
A capacitor whose value depends on the voltage
A meter for measuring potential difference
Qu'est-ce qu'un potentiomètre ?
Une résistance à curseur, pour un réglage
Une résistance fixe à trois pattes, pour plus de puissance
Un condensateur dont la valeur dépend de la tension
Un appareil de mesure de la différence de potentiel

What does a tolerance of 5 % mean for a 1 kilohm resistor?
Its value lies between 950 and 1050 ohms
Its value lies between 995 and 1005 ohms
It may dissipate 5 % more power than rated
Its value changes by 5 % per degree
Que signifie une tolérance de 5 % pour une résistance de 1 kilohm ?
Sa valeur est comprise entre 950 et 1050 ohms
Sa valeur est comprise entre 995 et 1005 ohms
Elle peut dissiper 5 % de plus que sa puissance nominale
Sa valeur varie de 5 % par degré

A copper winding warms up while a power supply is running. What happens to the resistance of copper and most other metals as they get hotter?
It increases
It decreases
It usually stays the same
It falls to zero
Un enroulement en cuivre chauffe en service. Que devient la résistance du cuivre et de la plupart des métaux quand ils chauffent ?
Elle augmente
Elle diminue
Elle reste en général la même
Elle tombe à zéro

Some power amplifiers use a thermistor to sense the heat sink temperature. What is a thermistor?
A resistor whose value changes markedly with temperature
A resistor built to keep its value whatever the heat
A diode that lights up when the heat sink is too hot
A small heater that holds a crystal at a set temperature
Certains amplificateurs de puissance utilisent une thermistance pour surveiller la température du radiateur. Qu'est-ce qu'une thermistance ?
Une résistance dont la valeur varie nettement avec la température
Une résistance conçue pour garder sa valeur malgré la chaleur
Une diode qui s'allume quand le radiateur est trop chaud
Un petit chauffage qui maintient un quartz à température fixe
""") + c.colour_code([(4, 7, 2), (1, 0, 3), (2, 2, 1)])

S02 = c.r_series([[100, 220, 330], [1000, 2200, "10000"]]) + c.r_parallel([[1000, 4700], [100, 150]]) + parse("""
A resistor is connected in parallel with an existing resistor in a circuit. What happens to the total resistance?
It decreases, whatever the new value
It increases by the value of the added resistor
It always halves, whatever the new value
It rises, but by less than the new value
On branche une résistance en parallèle sur une résistance déjà présente dans un circuit. Que devient la résistance totale ?
Elle diminue, quelle que soit la nouvelle valeur
Elle augmente de la valeur de la résistance ajoutée
Elle diminue toujours de moitié, quelle que soit la valeur
Elle augmente, mais de moins que la nouvelle valeur

Several components are connected one after another in a single series loop. Which quantity is the same for every component?
The current through it
The voltage across it
The power it dissipates
Its resistance
Plusieurs composants sont reliés les uns à la suite des autres en une seule boucle série. Qu'est-ce qui est identique pour chacun d'eux ?
Le courant qui le traverse
La tension à ses bornes
La puissance qu'il dissipe
Sa résistance

Several loads are connected in parallel across one supply. Which quantity is the same for every branch?
The voltage across it
The current through it
The power it dissipates
Its resistance
Plusieurs charges sont branchées en parallèle sur une même alimentation. Qu'est-ce qui est identique pour chaque branche ?
La tension à ses bornes
Le courant qui la traverse
La puissance qu'elle dissipe
Sa résistance

Two 100-ohm, 1 W resistors are connected in parallel to make a small dummy load. What do they give together?
50 ohms, able to dissipate 2 W
50 ohms, able to dissipate 1 W
200 ohms, able to dissipate 2 W
50 ohms, able to dissipate 0.5 W
Deux résistances de 100 ohms et 1 W sont montées en parallèle pour faire une petite charge fictive. Que donnent-elles ensemble ?
50 ohms, pouvant dissiper 2 W
50 ohms, pouvant dissiper 1 W
200 ohms, pouvant dissiper 2 W
50 ohms, pouvant dissiper 0,5 W
""")

S03 = parse("""
In the international system of units, in which unit is the capacitance of a capacitor measured?
The farad
The henry
The ohm
The coulomb
Dans le système international d'unités, en quelle unité mesure-t-on la capacité d'un condensateur ?
Le farad
Le henry
L'ohm
Le coulomb

What is a capacitor made of, in its simplest form?
Two conducting plates with an insulator between them
Two insulating plates with a conductor between them
A coil of wire wound on an iron core
A length of resistance wire on a ceramic former
De quoi se compose un condensateur dans sa forme la plus simple ?
De deux armatures conductrices séparées par un isolant
De deux plaques isolantes séparées par un conducteur
D'une bobine de fil enroulée sur un noyau de fer
D'un fil résistant enroulé sur un mandrin en céramique

You are replacing an electrolytic capacitor in a power supply. What must you watch when fitting it?
Its polarity, since reversing it can destroy it
Its lead length, since short leads can overheat it
Its position, since it must stand upright to work
Its tolerance, which must match the old one to 1 %
Vous remplacez un condensateur électrolytique dans une alimentation. À quoi faut-il veiller en le montant ?
À sa polarité, car l'inverser peut le détruire
À ses pattes, car des pattes courtes peuvent le faire chauffer
À sa position, car il doit être debout pour fonctionner
À sa tolérance, qui doit égaler celle de l'ancien à 1 % près

What does the voltage rating of a capacitor mean?
The highest voltage it can take without breakdown
The voltage it holds when fully charged
The voltage at which it resonates
The least voltage it needs to store a charge
Que signifie la tension nominale d'un condensateur ?
La plus haute tension supportée sans claquage
La tension qu'il garde une fois chargé
La tension à laquelle il résonne
La tension minimale pour qu'il stocke une charge

A capacitor is connected across a steady DC supply. Once it has charged, how does it behave towards the direct current?
It blocks it, apart from a tiny leakage
It always passes it, like a short circuit
It passes it, with a small voltage drop
It turns it into a ripple current
Un condensateur est branché sur une alimentation continue stable. Une fois chargé, comment se comporte-t-il envers le courant continu ?
Il le bloque, à un faible courant de fuite près
Il le laisse toujours passer, comme un court-circuit
Il le laisse passer, avec une faible chute de tension
Il le transforme en courant ondulé

Supply lines in RF circuits are decoupled close to each stage. Which capacitors are commonly used for this because of their low inductance?
Small ceramic capacitors, a few nF
Large electrolytics of several thousand µF
Paper capacitors in metal cans
Motor-start capacitors rated for the mains
En HF, on découple l'alimentation au plus près de chaque étage. Avec quels condensateurs, pour leur faible inductance ?
De petits condensateurs céramiques de quelques nanofarads
De gros électrolytiques de plusieurs milliers de µF
Des condensateurs au papier en boîtier métallique
Des condensateurs de démarrage de moteur pour le secteur

An older receiver has a large variable capacitor connected to its tuning knob. What is a variable capacitor used for in a radio?
Tuning to the wanted frequency
Setting the volume of the audio stage
Adjusting the gain of the RF amplifier
Smoothing the supply for the oscillator
Un ancien récepteur a un gros condensateur variable relié à son bouton d'accord. À quoi sert un condensateur variable dans une radio ?
À accorder sur la fréquence voulue
À régler le volume de l'étage audio
À ajuster le gain de l'amplificateur HF
À filtrer l'alimentation de l'oscillateur
""") + c.cap_units([("0.1", "uF", "nF"), (4700, "pF", "nF"), ("2.2", "nF", "uF")])

S04 = c.c_combo([("parallel", ["0.0000001", "0.00000022"]), ("series", ["0.0000001", "0.0000001"]),
                 ("series", ["0.00000000047", "0.00000000022"])]) + parse("""
How does the total capacitance change when capacitors are connected in parallel?
It is the sum of the individual capacitances
It is smaller than the smallest capacitance
It equals the largest of the capacitances
It is the product of the capacitances
Comment varie la capacité totale quand des condensateurs sont montés en parallèle ?
Elle est égale à la somme des capacités
Elle est plus petite que la plus petite capacité
Elle est égale à la plus grande des capacités
Elle est égale au produit des capacités

Two capacitors of the same value are connected in series. What is the total capacitance?
Half the value of one capacitor
Twice the value of one capacitor
The same as one capacitor
A quarter of the value of one capacitor
Deux condensateurs de même valeur sont montés en série. Que vaut la capacité totale ?
La moitié de la valeur d'un condensateur
Le double de la valeur d'un condensateur
La même que celle d'un condensateur
Le quart de la valeur d'un condensateur

Why might two capacitors be connected in series in a high-voltage circuit?
To share the voltage between them
To double the capacitance available for smoothing
To make them polarised
To halve the ripple current in each of them
Pourquoi monter deux condensateurs en série dans un circuit haute tension ?
Pour répartir la tension entre eux
Pour doubler la capacité disponible pour le filtrage
Pour les rendre polarisés
Pour diviser par deux le courant d'ondulation de chacun

A large capacitor in a power supply is charged to a high voltage. In what form does it hold energy?
In the electric field of its dielectric
In a magnetic field around its leads
As chemical energy, like a rechargeable battery
As heat in its plates, released on discharge
Un gros condensateur d'alimentation est chargé sous une tension élevée. Sous quelle forme contient-il de l'énergie ?
Dans le champ électrique de son diélectrique
Dans un champ magnétique autour de ses pattes
Sous forme chimique, comme une batterie rechargeable
Sous forme de chaleur dans ses armatures, rendue à la décharge

Which property of a dielectric increases the capacitance when it replaces air between two plates?
A higher permittivity
A higher resistance to heat and moisture
More free electrons
A greater thickness between the plates
Quelle propriété d'un diélectrique augmente la capacité quand il remplace l'air entre deux armatures ?
Une permittivité (constante diélectrique) plus élevée
Une meilleure tenue à la chaleur et à l'humidité
Une densité d'électrons libres plus grande
Une épaisseur plus grande entre les armatures

In an air-spaced capacitor, the two plates are moved further apart without changing their area. How does the capacitance change?
It decreases
It increases
It stays the same
It may increase sharply
Dans un condensateur à air, on éloigne les deux armatures sans changer leur surface. Comment varie la capacité ?
Elle diminue
Elle augmente
Elle reste la même
Elle peut augmenter fortement
""")

S05 = parse("""
In the international system of units, in which unit is the inductance of a coil measured?
The henry
The farad
The tesla
The weber
Dans le système international d'unités, en quelle unité mesure-t-on l'inductance d'une bobine ?
Le henry
Le farad
Le tesla
Le weber

What happens in an inductor when the current through it changes?
A voltage is induced that opposes the change
A voltage is induced that aids the change
The inductor stores charge on its plates
Its DC resistance falls as the current rises
Que se passe-t-il dans une bobine quand le courant qui la traverse varie ?
Une tension s'induit qui s'oppose à cette variation
Une tension s'induit qui renforce cette variation
La bobine stocke des charges sur ses armatures
Sa résistance en continu baisse quand le courant monte

How can the inductance of a coil be increased?
By adding turns or a magnetic core
By using thicker insulation on the wire
By spreading the turns further apart
By using thicker wire for the same turns
Comment augmenter l'inductance d'une bobine ?
En ajoutant des spires ou un noyau magnétique
Avec un isolant plus épais sur le fil
En écartant davantage les spires
En prenant un fil plus gros à nombre de spires égal

A mains power supply starts with a transformer. What is the main job of a transformer?
To raise or lower an AC voltage
To change the mains AC into DC
To store energy for a long time
To raise the power taken from the mains
Une alimentation secteur commence par un transformateur. Quel est le rôle principal d'un transformateur ?
Élever ou abaisser une tension alternative
Transformer l'alternatif du secteur en continu
Stocker de l'énergie longtemps
Augmenter la puissance prise au secteur

Why does a transformer not work on steady DC?
With no changing field, nothing is induced
Steady DC is too strong for the thin windings
A steady current has no voltage to pass on
It does, but always less efficiently than on AC
Pourquoi un transformateur ne fonctionne-t-il pas en continu permanent ?
Le champ ne varie pas, donc n'induit pas de tension
Le continu est trop fort pour les fins enroulements
Un courant constant n'a pas de tension à transmettre
Il fonctionne, mais toujours moins bien qu'en alternatif

What is a ferrite core used for in RF coils and chokes?
To get more inductance in less space
To keep the coil's heat away from the board
To block DC while passing the RF through the coil
To carry the DC current in place of the wire
À quoi sert un noyau de ferrite dans les bobines et selfs HF ?
À obtenir plus d'inductance sous un faible volume
À éloigner de la carte la chaleur de la bobine
À bloquer le continu en laissant passer la HF
À transporter le courant continu à la place du fil

In an ideal transformer, how do the primary and secondary powers compare?
The two are equal
The secondary is higher
The secondary is lower
They differ by the turns ratio
Dans un transformateur idéal, comment se comparent les puissances primaire et secondaire ?
Les deux sont égales
La secondaire est plus élevée
La secondaire est plus faible
Elles sont dans le rapport des spires
""") + c.turns([(230, 1150, 60), (12, 20, 100), (230, 500, 25)])

S06 = c.l_combo([("series", ["0.00001", "0.000022"]), ("parallel", ["0.0001", "0.0001"]),
                 ("series", ["0.0000047", "0.0000033", "0.000001"])]) + parse("""
In a schematic, an RF choke feeds DC to a transistor stage. What is an RF choke?
An inductor that passes DC but blocks RF
A capacitor that blocks DC and passes RF
A resistor that drops the DC supply to the stage
A fuse that opens when the RF current is too high
Sur un schéma, une self de choc HF alimente un étage à transistor en continu. Qu'est-ce qu'une self de choc HF ?
Une bobine qui laisse passer le continu mais bloque la HF
Un condensateur qui bloque le continu et laisse passer la HF
Une résistance qui abaisse le continu fourni à l'étage
Un fusible qui s'ouvre quand le courant HF est trop fort

When a current flows through an inductor, in which form does the inductor store energy?
In its magnetic field
In an electric field, like a capacitor
As chemical energy
As heat in the resistance of its wire
Quand un courant traverse une bobine, sous quelle forme la bobine stocke-t-elle de l'énergie ?
Dans le champ magnétique que crée son courant
Dans un champ électrique, comme un condensateur
Sous forme d'énergie chimique
En chaleur dans la résistance de son fil

Why are two coils on the same board sometimes mounted at right angles to each other?
To reduce the magnetic coupling between them
To increase the inductance of both by mutual coupling
To let the board be laid out more compactly
So that air can cool both of them better
Pourquoi monte-t-on parfois deux bobines d'une même carte à angle droit ?
Pour réduire le couplage magnétique entre elles
Pour augmenter l'inductance des deux par couplage mutuel
Pour disposer la carte de façon plus compacte
Pour que l'air puisse mieux les refroidir

What are toroidal cores valued for in RF work?
Their field stays in the core, so they couple little
Their ring shape lets them radiate like a loop
They never saturate, whatever the current
Their core blocks DC, so no capacitor is needed
Pourquoi apprécie-t-on les tores en HF ?
Leur champ reste dans le noyau, ils se couplent peu
Leur forme en anneau les fait rayonner comme une boucle
Ils ne saturent jamais, quel que soit le courant
Leur noyau bloque le continu, sans besoin de condensateur

What can happen if a ferrite core carries too much current?
It saturates, its inductance falls and it may heat up
Its inductance increases without limit
It can become a permanent magnet that aids tuning
Its inductance rises and its losses fall
Que peut-il arriver si un noyau de ferrite est traversé par un courant trop fort ?
Il sature, son inductance chute et il peut chauffer
Son inductance augmente sans limite
Il peut devenir un aimant permanent utile à l'accord
Son inductance monte et ses pertes baissent

Why is a coil wound with thick wire preferred in a high-current or high-power circuit?
Its lower resistance wastes less power as heat
Thick wire gives much more inductance per turn
Thick wire keeps RF from radiating off the coil
Its thick wire stands a higher voltage between turns
Pourquoi préfère-t-on une bobine en fil épais dans un circuit à fort courant ou forte puissance ?
Sa résistance plus faible dissipe moins de chaleur
Le fil épais donne bien plus d'inductance par spire
Le fil épais empêche la HF de rayonner de la bobine
Son fil épais tient mieux la tension entre spires
""")

S07 = parse("""
What does a semiconductor diode do, which makes it useful for rectifiers and reverse-polarity protection?
It conducts current in one direction
It stores electrical charge like a capacitor
It amplifies signals like a transistor
It passes current in both directions equally
Que fait une diode à semi-conducteur, ce qui la rend utile pour les redresseurs et la protection contre l'inversion de polarité ?
Elle ne conduit que dans un sens
Elle stocke des charges comme un condensateur
Elle amplifie les signaux comme un transistor
Elle laisse passer le courant dans les deux sens

On a circuit diagram and on the component itself, what are the two terminals of a semiconductor diode called?
Anode and cathode
Base and emitter
Gate and drain
Source and drain
Sur un schéma comme sur le composant, comment s'appellent les deux électrodes d'une diode à semi-conducteur ?
Anode et cathode
Base et émetteur
Grille et drain
Source et drain

About what forward voltage drop appears across a silicon diode when it is conducting a moderate current?
About 0.65 V
About 0.2 V
About 1.4 V
About 0.06 V
Quelle chute de tension directe apparaît environ aux bornes d'une diode au silicium parcourue par un courant modéré ?
Environ 0,65 V
Environ 0,2 V
Environ 1,4 V
Environ 0,06 V

A simple voltage stabiliser uses a Zener diode and a resistor. What is a Zener diode mainly used for?
Holding a steady voltage, reverse biased
Rectifying weak RF signals in a detector
Emitting light when forward biased
Tuning a circuit by its reverse voltage
Un stabilisateur de tension simple utilise une diode Zener et une résistance. À quoi sert principalement une diode Zener ?
À maintenir une tension stable, en inverse
À redresser les faibles signaux HF d'un détecteur
À émettre de la lumière en direct
À accorder un circuit par sa tension inverse

What is a varactor (variable-capacitance) diode used for?
Tuning by a reverse bias voltage
Holding a steady voltage, reverse biased
Regulating the current of the oscillator
Switching antennas
À quoi sert une diode varicap (à capacité variable) ?
À l'accord par une tension inverse
À maintenir une tension stable, en inverse
À réguler le courant de l'oscillateur
À commuter les antennes

Why must a light-emitting diode (LED) normally be used with a series resistor?
To limit the current, which could otherwise destroy it
To raise the voltage across it to its rated value
To filter the supply so that it does not flicker
So that it can work on AC as well as on DC
Pourquoi une diode électroluminescente (LED) s'utilise-t-elle normalement avec une résistance en série ?
Pour limiter le courant, qui sinon la détruirait
Pour élever sa tension à la valeur nominale
Pour filtrer l'alimentation afin qu'elle ne scintille pas
Pour qu'elle puisse fonctionner en alternatif comme en continu

Why is a diode often fitted across a relay coil?
To absorb the spike at switch-off
To make the relay switch on faster
To double the relay's contact rating
To stop the contacts from bouncing on closing
Pourquoi place-t-on souvent une diode aux bornes de la bobine d'un relais ?
Pour absorber la pointe de tension à la coupure
Pour que le relais colle plus vite
Pour doubler le calibre des contacts
Pour empêcher les contacts de rebondir à la fermeture

A silicon diode is reverse biased with a voltage below its breakdown voltage. What current flows?
Only a very small leakage current
A large current, limited by the circuit alone
A pulsed current that makes it emit light
A current equal to the forward current
Une diode au silicium est polarisée en inverse sous une tension inférieure à sa tension de claquage. Quel courant circule ?
Un simple courant de fuite, très faible
Un fort courant, limité par le seul circuit
Un courant pulsé qui lui fait émettre de la lumière
Un courant égal au courant direct

Why is a diode placed in series with the supply lead of some mobile equipment?
To protect it against reversed supply polarity
To raise the supply voltage by 0.7 V
To filter RF out of the supply lead
To limit the current drawn on transmit
Pourquoi place-t-on une diode en série dans le fil d'alimentation de certains appareils mobiles ?
Pour le protéger contre l'inversion de polarité
Pour élever la tension d'alimentation de 0,7 V
Pour filtrer la HF du câble d'alimentation
Pour limiter le courant pris en émission

What is a germanium diode often used for in simple receivers?
Detecting weak signals
Regulating voltage
Handling high power in the output stage
Emitting infrared light for remote controls
À quoi sert souvent une diode au germanium dans les récepteurs simples ?
À détecter les signaux faibles
À réguler la tension de l'alimentation
À supporter de fortes puissances dans l'étage final
À émettre de l'infrarouge pour les télécommandes
""")

S08 = parse("""
When replacing a bipolar transistor, you must identify its three terminals. What are they called?
Emitter, base and collector
Source, gate and drain
Anode, cathode and control grid
Source, base and drain
En remplaçant un transistor bipolaire, vous devez repérer ses trois électrodes. Comment s'appellent-elles ?
L'émetteur, la base et le collecteur
La source, la grille et le drain
L'anode, la cathode et la grille de commande
La source, la base et le drain

When replacing a field-effect transistor, you must identify its three terminals. What are they called?
Source, gate and drain
Emitter, base and collector
Anode, cathode and gate
Input, output and common
En remplaçant un transistor à effet de champ, vous devez repérer ses trois électrodes. Comment s'appellent-elles ?
La source, la grille et le drain
L'émetteur, la base et le collecteur
L'anode, la cathode et la gâchette
L'entrée, la sortie et le commun

In a bipolar transistor, how does a small base current act?
It controls a much larger collector current
It is the same as the collector current
It is much larger than the collector current
It flows only when the transistor is cut off
Dans un transistor bipolaire, comment agit un faible courant de base ?
Il commande un courant de collecteur bien plus grand
Il est égal au courant de collecteur
Il est bien plus grand que le courant de collecteur
Il circule seulement quand le transistor est bloqué

In an amplifier stage using a field-effect transistor, what controls the current flowing into the drain?
The voltage on the gate
The current into the gate
The temperature of the channel
The value of the load alone
Dans un étage amplificateur à transistor à effet de champ, qu'est-ce qui commande le courant qui entre dans le drain ?
La tension appliquée à la grille
Le courant entrant dans la grille
La température du canal
La seule valeur de la charge

What is the current gain of a bipolar transistor?
The ratio of collector current to base current
The ratio of base voltage to collector voltage
The ratio of output power to input power
The ratio of collector voltage to supply voltage
Qu'est-ce que le gain en courant d'un transistor bipolaire ?
Le rapport du courant de collecteur au courant de base
Le rapport de la tension de base à celle de collecteur
Le rapport de la puissance de sortie à celle d'entrée
Le rapport de la tension de collecteur à l'alimentation

Bipolar transistors come in two types according to the order of their semiconductor layers. What are they?
NPN and PNP
N-channel and P-channel
Enhancement and depletion
Silicon and germanium
Les transistors bipolaires existent en deux types selon l'ordre de leurs couches semi-conductrices. Lesquels ?
Les types NPN et PNP
Les types canal N et canal P
Les types à enrichissement et à appauvrissement
Au silicium et au germanium

Why does a power transistor need a heat sink?
To carry away the heat that could destroy it
To raise its current gain at full power
To insulate it electrically from the case of the equipment
To tune it to the operating frequency
Pourquoi un transistor de puissance a-t-il besoin d'un radiateur ?
Pour évacuer la chaleur qui le détruirait
Pour augmenter son gain à pleine puissance
Pour l'isoler électriquement du boîtier de l'appareil
Pour l'accorder sur la fréquence de travail

What is an important advantage of a field-effect transistor at the input of an amplifier?
Its gate draws almost no current
It adds no noise of its own to the signal
Its gain does not depend on the load
Its input resistance is low, close to 50 ohms
Quel est un avantage important d'un transistor à effet de champ à l'entrée d'un amplificateur ?
Sa grille ne prend presque pas de courant
Il n'ajoute pas de bruit propre au signal
Son gain ne dépend pas de la charge
Sa résistance d'entrée est basse, proche de 50 ohms

A transistor is used as a switch. In which two states does it work?
Fully on and fully off
The linear region and reverse breakdown
Between half and full conduction, linearly
Forward active and reverse active
Un transistor est utilisé en commutateur. Dans quels deux états fonctionne-t-il ?
Complètement conducteur ou bloqué
La zone linéaire et le claquage inverse
Entre mi-conduction et pleine conduction, linéairement
En actif direct et en actif inverse

What is the key difference between an NPN and a PNP transistor in a circuit?
The two need supplies of opposite polarity
The PNP has a fourth lead for the substrate
The NPN suits RF work, the PNP audio work
The PNP amplifies voltage, the NPN current
Quelle est la différence essentielle entre un transistor NPN et un PNP dans un circuit ?
Les deux types s'alimentent en polarités opposées
Le PNP a une quatrième patte pour le substrat
Le NPN convient à la HF, le PNP à l'audio
Le PNP amplifie la tension, le NPN le courant
""")

S09 = parse("""
What is an integrated circuit?
Many components made on a single semiconductor chip
A set of discrete parts potted in a block of resin
A bare printed board, ready for the parts to be fitted
A group of fuses and relays in one case
Qu'est-ce qu'un circuit intégré ?
De nombreux composants réalisés sur une seule puce
Des composants discrets noyés dans un bloc de résine
Une carte imprimée nue, prête à recevoir les composants
Un groupe de fusibles et de relais dans un boîtier

What is an operational amplifier?
A high-gain amplifier whose gain is set by feedback
A power amplifier with a fixed gain of ten
An RF amplifier designed for the transmitter's output
A circuit that operates relays and switches
Qu'est-ce qu'un amplificateur opérationnel ?
Un amplificateur à grand gain, réglé par contre-réaction
Un amplificateur de puissance de gain fixe égal à dix
Un amplificateur HF conçu pour la sortie de l'émetteur
Un circuit qui actionne des relais et des interrupteurs

What does a three-terminal voltage regulator do?
It holds its output voltage steady as input and load vary
It raises the voltage to any value set by its third terminal
It turns the AC from the transformer into DC
It limits the current and lets the voltage float
Que fait un régulateur de tension à trois broches ?
Il garde sa sortie stable malgré l'entrée et la charge
Il élève la tension à toute valeur fixée par sa troisième broche
Il transforme en continu l'alternatif du transformateur
Il limite le courant et laisse la tension libre de varier

What is a relay, as used for example to switch an antenna between a transceiver and an amplifier?
A switch worked by the pull of an electromagnet
A repeater on a hill that relays the signal
A transistor that switches the antenna by itself
A fuse that opens slowly on an overload
Qu'est-ce qu'un relais, utilisé par exemple pour commuter une antenne entre un émetteur-récepteur et un amplificateur ?
Un interrupteur commandé par la force d'un électroaimant
Une station relais sur une colline qui relaie le signal
Un transistor qui commute l'antenne de lui-même
Un fusible qui s'ouvre lentement sur surcharge

Many reference and beacon oscillators are controlled by a quartz crystal. Why is a quartz crystal used?
It resonates at a very stable frequency
It can amplify the signal with very low noise
It rectifies the RF, as early detectors did
It tunes widely with one small capacitor
De nombreux oscillateurs de référence et de balise sont pilotés par quartz. Pourquoi utilise-t-on un quartz ?
Il résonne sur une fréquence très stable
Il peut amplifier le signal avec très peu de bruit
Il redresse la HF, comme les premiers détecteurs
Il s'accorde largement avec un petit condensateur

At the end of the receiver's audio chain, which component turns the electrical signal into sound?
A loudspeaker
A microphone
An audio transformer
A volume potentiometer
Au bout de la chaîne audio d'un récepteur, quel composant transforme le signal électrique en son ?
Un haut-parleur
Un microphone
Un transformateur audio
Un potentiomètre de volume

In a digital logic circuit, what does an AND gate do?
Its output is 1 only if all inputs are 1
Its output is 1 when any input is 1
Its output is 1 when its inputs differ
Its output is 1 when no input is 1
Dans un circuit logique, que fait une porte ET ?
Sa sortie vaut 1 seulement si toutes les entrées valent 1
Sa sortie vaut 1 si l'une des entrées vaut 1
Sa sortie vaut 1 si ses entrées diffèrent
Sa sortie vaut 1 si aucune entrée ne vaut 1

A software-defined radio samples its input with an analogue-to-digital converter. What does such a converter do?
It turns a varying voltage into numbers
It turns numbers back into a voltage
It changes the RF into DC, as a detector does
It converts the signal's frequency into a number
Une radio logicielle échantillonne son entrée avec un convertisseur analogique-numérique. Que fait ce convertisseur ?
Il transforme une tension variable en nombres
Il retransforme des nombres en une tension variable
Il change la HF en continu, comme un détecteur
Il convertit la fréquence du signal en un nombre

Most modern amateur equipment is built with transistors. What is a thermionic valve (vacuum tube) still sometimes used for in amateur stations?
High-power RF amplifiers
Digital signal processing
Low-voltage logic circuits
Battery chargers for portable use
La plupart du matériel amateur moderne est à transistors. À quoi sert encore parfois un tube électronique dans les stations d'amateur ?
Aux amplificateurs HF de forte puissance
Au traitement numérique du signal
Aux circuits logiques basse tension
Aux chargeurs de batteries portables
""")

S10 = parse("""
In a circuit diagram, which component is drawn as two short parallel lines of equal length, with a connecting lead on each line?
A capacitor
A resistor
A diode
A single cell
Sur un schéma, quel composant est dessiné par deux traits parallèles courts de même longueur, reliés chacun à une connexion ?
Un condensateur
Une résistance
Une diode
Un élément de pile

In a circuit diagram, what is shown by a triangle pointing against a short bar across the line?
A diode, conducting in the direction of the point
A transistor, with the bar as its base
A polarised capacitor, the bar being its negative plate
An amplifier, the signal flowing towards the point
Dans un schéma électrique, que représente un triangle pointé contre une courte barre perpendiculaire au trait ?
Une diode, conduisant dans le sens de la pointe
Un transistor, dont la barre est la base
Un condensateur polarisé, la barre étant l'armature négative
Un amplificateur, le signal allant vers la pointe

In a circuit diagram, which component is usually drawn as a series of loops or bumps along a line?
An inductor
A resistor
A crystal
A capacitor
Dans un schéma électrique, quel composant est généralement dessiné comme une suite de boucles ou de bosses sur un trait ?
Une bobine
Une résistance
Un quartz
Un condensateur

In a circuit diagram, what is represented by one long thin line beside a short thick line?
A single cell, the long line being positive
A single cell, the short line being positive
A capacitor with one plate bigger, for decoupling
A switch, the short line being its lever
Dans un schéma, que représente un long trait fin à côté d'un trait court et épais ?
Un élément de pile, le long trait étant le positif
Un élément de pile, le trait court étant le positif
Un condensateur à armature agrandie, pour le découplage
Un interrupteur, dont le trait court figure le levier

In a circuit diagram, which component is shown by a small rectangle or a zigzag line between two leads?
A resistor
An inductor
A capacitor
A transformer
Dans un schéma électrique, quel composant est représenté par un petit rectangle ou un trait en zigzag entre deux connexions ?
Une résistance
Une bobine
Un condensateur
Un transformateur

In a circuit diagram, what is represented by two coils drawn side by side with parallel lines between them?
A transformer
Two separate chokes
A relay coil and its contact
A capacitor between two coils
Dans un schéma électrique, que représentent deux bobines dessinées côte à côte avec des traits parallèles entre elles ?
Un transformateur
Deux selfs séparées
Une bobine de relais et son contact
Un condensateur entre deux bobines

On a schematic, two lines cross and a dot is drawn where they meet. What does the dot mean?
The wires are joined there
The wires cross without connecting
A test point where a meter can be fitted
A point where the board is drilled
Sur un schéma, deux traits se croisent et un point est dessiné à leur rencontre. Que signifie ce point ?
Les fils sont reliés à cet endroit
Les fils se croisent sans être reliés
Un point de mesure où l'on peut brancher un appareil
Un trou à percer dans la carte imprimée

On a schematic, what is shown by a vertical lead ending in three horizontal lines of decreasing length?
An earth (ground) connection
A battery of three cells
An antenna for the lower bands
A fuse in the earth lead
Sur un schéma, que représente une connexion verticale terminée par trois traits horizontaux de longueur décroissante ?
Une liaison à la terre (masse)
Une batterie de trois éléments
Une antenne pour les bandes basses
Un fusible dans le fil de terre

What does a block diagram show, compared with a circuit diagram?
The main stages and the signal path between them
Every resistor and capacitor with its value
The physical layout of the printed board
The voltages to be measured at each test point
Que montre un schéma synoptique par rapport à un schéma électrique ?
Les étages principaux et le trajet du signal entre eux
Chaque résistance et chaque condensateur avec sa valeur
La disposition physique de la carte imprimée
Les tensions à mesurer à chaque point de test
""")

S11 = parse("""
In a mains power supply for a transceiver, what does the rectifier stage do?
It turns AC into pulsating DC
It smooths the pulsating DC
It lowers the mains voltage
It limits the output current
Dans une alimentation secteur d'émetteur-récepteur, que fait l'étage redresseur ?
Il transforme l'alternatif en continu pulsé
Il lisse le continu pulsé
Il abaisse la tension du secteur
Il limite le courant de sortie

Why is a bridge rectifier usually preferred to a single diode?
It uses both half-cycles, so it is easier to smooth
It needs no transformer, as it isolates the mains
It drops less voltage than a single diode
It can work without a smoothing capacitor
Pourquoi préfère-t-on généralement un pont redresseur à une diode seule ?
Il utilise les deux alternances et se lisse plus facilement
Il se passe de transformateur, car il isole du secteur
Il fait chuter moins de tension qu'une diode seule
Il peut fonctionner sans condensateur de filtrage

A full-wave bridge rectifier is built from separate silicon diodes. How many diodes does it need?
Four
Two
Eight
Six
Un pont redresseur double alternance est réalisé avec des diodes au silicium séparées. Combien de diodes faut-il ?
Quatre
Deux
Huit
Six

In a linear power supply, a large electrolytic capacitor follows the bridge rectifier. What is its job?
To smooth the pulsating DC from the bridge
To block the DC and pass the hum
To double the frequency of the ripple
To absorb surges that arrive on the mains
Dans une alimentation linéaire, un gros condensateur électrolytique suit le pont redresseur. Quel est son rôle ?
Lisser le continu pulsé
Bloquer le continu et laisser passer le ronflement
Doubler la fréquence de l'ondulation
Absorber les surtensions venues du secteur

The data sheet of a power supply states a maximum ripple. What is ripple in a power supply?
The AC left on the DC output
The fan's buzz
The mechanical hum of the mains transformer
The drop in output voltage at full load
La fiche technique d'une alimentation indique une ondulation maximale. Qu'est-ce que l'ondulation (ripple) d'une alimentation ?
La petite variation alternative restant sur la sortie continue
Le bourdonnement du ventilateur de refroidissement
Le ronflement mécanique du transformateur secteur
La baisse de la tension de sortie à pleine charge

The smoothing capacitor of a transmitter's power supply has dried out and the ripple is high. What may this cause?
A hum on the transmitted signal
A higher output power on voice peaks
Less noise in the receiver
A lower SWR on the feed line
Le condensateur de filtrage de l'alimentation d'un émetteur a séché et l'ondulation est forte. Que peut-il en résulter ?
Un ronflement sur le signal émis
Une puissance plus forte sur les pointes de voix
Moins de bruit dans le récepteur
Un ROS plus faible sur la ligne

A power supply uses a full-wave bridge rectifier on a 50 Hz mains supply. At what frequency is the ripple on its smoothed output?
100 Hz
50 Hz
60 Hz
120 Hz
Une alimentation utilise un pont redresseur double alternance sur un secteur à 50 Hz. À quelle fréquence est l'ondulation de sa sortie filtrée ?
100 Hz
50 Hz
60 Hz
120 Hz

Why does a linear regulator run hot when the input voltage is much higher than the output?
It dissipates the excess voltage as heat
It switches at a high rate
Its input capacitor charges and discharges
It must stay warm to hold its output steady
Pourquoi un régulateur linéaire chauffe-t-il quand la tension d'entrée est bien supérieure à la sortie ?
Il dissipe en chaleur l'excès de tension à pleine charge
Son transistor de sortie commute à haute fréquence
Son condensateur d'entrée se charge et se décharge
Il doit rester chaud pour garder sa sortie stable

A wrench accidentally shorts the output terminals of a power supply. What protects the supply against this short circuit?
Current limiting or a fuse
A bleeder resistor
A larger smoothing capacitor
A Zener diode across the output
Une clé court-circuite par accident les bornes de sortie d'une alimentation. Qu'est-ce qui protège l'alimentation contre ce court-circuit ?
Un limiteur de courant ou un fusible
Une résistance de décharge
Un condensateur de filtrage plus gros
Une diode Zener sur la sortie

What is the peak DC voltage across the smoothing capacitor, with no load, from a 12 V RMS transformer and a bridge of silicon diodes?
About 15.6 V
About 17.0 V
About 16.3 V
About 12.0 V
Quelle tension de crête trouve-t-on à vide sur le condensateur de filtrage, après un transformateur de 12 V efficaces et un pont de diodes au silicium ?
Environ 15,6 V
Environ 17,0 V
Environ 16,3 V
Environ 12,0 V
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11]
