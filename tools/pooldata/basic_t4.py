"""Basic topic 4: circuit components."""

from basic_util import parse
import basic_calc as c

TITLE = ("Circuit components", "Composants des circuits")

S01 = parse("""
In the international system of units, in which unit is the resistance of a resistor measured?
The ohm
The farad (F)
The henry (H)
The siemens per metre
Dans le système international d'unités, en quelle unité mesure-t-on la résistance d'une résistance ?
L'ohm
Le farad (F)
Le henry (H)
Le siemens par mètre

Why are wire-wound resistors unsuitable for many RF circuits?
Their winding has inductance, which matters at RF
They cannot carry any current at RF
They have a negative resistance
They are too small to handle power above a fraction of a watt
Pourquoi les résistances bobinées conviennent-elles mal à de nombreux circuits HF ?
Leur bobinage a une inductance, qui compte en HF
Elles ne peuvent conduire aucun courant en HF
Elles ont une résistance négative
Elles sont trop petites pour dissiper plus d'une fraction de watt

What does the power rating of a resistor tell you?
The power it can dissipate continuously without overheating
The voltage it produces
The current it always draws, whatever the voltage across it
The frequency at which it resonates
Qu'indique la puissance nominale d'une résistance ?
La puissance qu'elle peut dissiper en continu sans surchauffer
La tension qu'elle produit
Le courant qu'elle consomme toujours, quelle que soit la tension
La fréquence à laquelle elle résonne

What is a potentiometer?
A resistor with a sliding contact, for adjustment
A fixed resistor with three leads, used where more power is needed
A capacitor whose value depends on voltage
A meter for measuring potential
Qu'est-ce qu'un potentiomètre ?
Une résistance à curseur, pour un réglage
Une résistance fixe à trois pattes, employée quand il faut plus de puissance
Un condensateur dont la valeur dépend de la tension
Un appareil de mesure du potentiel

What does a tolerance of 5 % mean for a 1 kilohm resistor?
Its actual value lies between 950 and 1050 ohms
It may dissipate 5 % more power than rated
Its value changes by 5 % per degree
It will fail after 5 % of its life
Que signifie une tolérance de 5 % pour une résistance de 1 kilohm ?
Sa valeur réelle est comprise entre 950 et 1050 ohms
Elle peut dissiper 5 % de plus que sa puissance nominale
Sa valeur varie de 5 % par degré
Elle tombera en panne après 5 % de sa durée de vie

A copper winding warms up while a power supply is running. What happens to the resistance of copper and most other metals as they get hotter?
It increases
It decreases to zero
It stays exactly the same
It becomes negative
Un enroulement en cuivre chauffe pendant le fonctionnement d'une alimentation. Que devient la résistance du cuivre et de la plupart des métaux quand ils chauffent ?
Elle augmente
Elle diminue jusqu'à zéro
Elle reste exactement la même
Elle devient négative

Some power amplifiers use a thermistor to sense the heat sink temperature. What is a thermistor?
A resistor whose value varies markedly with temperature
A resistor that cannot get hot
A fuse that resets itself automatically once it has cooled down
A capacitor for heating circuits
Certains amplificateurs de puissance utilisent une thermistance pour surveiller la température du radiateur. Qu'est-ce qu'une thermistance ?
Une résistance dont la valeur varie nettement avec la température
Une résistance qui ne peut pas chauffer
Un fusible qui se réarme automatiquement une fois refroidi
Un condensateur pour circuits de chauffage
""") + c.colour_code([(4, 7, 2), (1, 0, 3), (2, 2, 1)])

S02 = c.r_series([[100, 220, 330], [1000, 2200, "10000"]]) + c.r_parallel([[1000, 1000], [100, 150]]) + parse("""
A resistor is connected in parallel with an existing resistor in a circuit. What happens to the total resistance?
It decreases, whatever the new value
It increases by the value of the added resistor
It stays the same
It always doubles
On branche une résistance en parallèle sur une résistance déjà présente dans un circuit. Que devient la résistance totale ?
Elle diminue, quelle que soit la nouvelle valeur
Elle augmente de la valeur de la résistance ajoutée
Elle reste la même
Elle double toujours

Several components are connected one after another in a single series loop. Which quantity is the same for every component?
The current through it
The voltage across it
The power it dissipates
Its resistance
Plusieurs composants sont reliés les uns à la suite des autres en une seule boucle série. Quelle grandeur est la même pour chacun ?
Le courant qui le traverse
La tension à ses bornes
La puissance qu'il dissipe
Sa résistance

Several loads are connected in parallel across one supply. Which quantity is the same for every branch?
The voltage across it
The current through it
The power it dissipates
Its resistance
Plusieurs charges sont branchées en parallèle sur une même alimentation. Quelle grandeur est la même pour chaque branche ?
La tension à ses bornes
Le courant qui la traverse
La puissance qu'elle dissipe
Sa résistance

Why might two 100-ohm, 1 W resistors in parallel replace a 50-ohm resistor in a dummy load?
Together they give 50 ohms and can dissipate 2 W
Together they give 200 ohms and 0.5 W
Parallel resistors cannot dissipate power
Together they give 100 ohms and 1 W
Pourquoi deux résistances de 100 ohms et 1 W en parallèle peuvent-elles remplacer une résistance de 50 ohms dans une charge fictive ?
Ensemble elles font 50 ohms et peuvent dissiper 2 W
Ensemble elles font 200 ohms et 0,5 W
Des résistances en parallèle ne peuvent pas dissiper de puissance
Ensemble elles font 100 ohms et 1 W
""")

S03 = parse("""
In the international system of units, in which unit is the capacitance of a capacitor measured?
The farad (F)
The henry (H)
The ohm
The coulomb per ohm
Dans le système international d'unités, en quelle unité mesure-t-on la capacité d'un condensateur ?
Le farad (F)
Le henry (H)
L'ohm
Le coulomb par ohm

What is a capacitor made of, in its simplest form?
Two conducting plates with an insulator between them
A coil of wire wound on an iron core, with two leads
A semiconductor junction
A length of resistance wire
De quoi se compose un condensateur dans sa forme la plus simple ?
Deux armatures conductrices séparées par un isolant
Une bobine de fil enroulée sur un noyau de fer, avec deux sorties
D'une jonction semi-conductrice
D'une longueur de fil résistant

You are replacing an electrolytic capacitor in a power supply. What must you watch when fitting it?
Its polarity, since reversing it can destroy it
Its colour, which shows its temperature rating
Whether it is used at RF only, where it has no polarity
That it is connected in series with a fuse of equal value
Vous remplacez un condensateur électrolytique dans une alimentation. À quoi faut-il veiller en le montant ?
À sa polarité, car l'inverser peut le détruire
À sa couleur, qui indique sa tenue en température
À ce qu'il ne serve qu'en HF, où il n'a pas de polarité
À le brancher en série avec un fusible de même valeur

What does the voltage rating of a capacitor mean?
The highest voltage it can take without breakdown
The voltage it generates
The voltage at which it resonates
The minimum voltage it needs before it starts to store any charge
Que signifie la tension nominale d'un condensateur ?
La plus haute tension supportée sans claquage
La tension qu'il produit
La tension à laquelle il résonne
La tension minimale nécessaire avant qu'il stocke la moindre charge

A capacitor is connected across a steady DC supply. Once it has charged, how does it behave towards the direct current?
It blocks it
It passes it without loss
It amplifies it
It changes it into alternating current
Un condensateur est branché sur une alimentation continue stable. Une fois chargé, comment se comporte-t-il envers le courant continu ?
Il le bloque
Il le laisse passer sans perte
Il l'amplifie
Il le transforme en courant alternatif

Supply lines in RF circuits are decoupled close to each stage. Which capacitors are commonly used for this because of their low inductance?
Small ceramic capacitors
Large electrolytic capacitors of several thousand microfarads
Paper capacitors in metal cans, as in old equipment
Motor-start capacitors rated for the mains
Dans les circuits HF, on découple les lignes d'alimentation au plus près de chaque étage. Quels condensateurs utilise-t-on couramment pour cela, grâce à leur faible inductance ?
Les petits condensateurs céramiques
Les gros électrolytiques de plusieurs milliers de microfarads
Les condensateurs au papier en boîtier métallique des anciens appareils
Les condensateurs de démarrage de moteur prévus pour le secteur

An older receiver has a large variable capacitor connected to its tuning knob. What is a variable capacitor used for in a radio?
Tuning a circuit to the wanted frequency
Storing energy for the power supply
Fixing the supply voltage
Limiting the current in a fuse
Un ancien récepteur a un gros condensateur variable relié à son bouton d'accord. À quoi sert un condensateur variable dans une radio ?
À accorder un circuit sur la fréquence voulue
À stocker l'énergie pour l'alimentation
À fixer la tension d'alimentation
À limiter le courant d'un fusible
""") + c.cap_units([("0.1", "uF", "nF"), (4700, "pF", "nF"), ("2.2", "nF", "uF")])

S04 = c.c_combo([("parallel", ["0.0000001", "0.00000022"]), ("series", ["0.0000001", "0.0000001"]),
                 ("series", ["0.00000000047", "0.00000000022"])]) + parse("""
How does the total capacitance change when capacitors are connected in parallel?
It is the sum of the individual capacitances
It is smaller than the smallest capacitance
It equals the largest capacitance
It is the product of the capacitances
Comment varie la capacité totale quand des condensateurs sont montés en parallèle ?
Elle est égale à la somme des capacités
Elle est plus petite que la plus petite capacité
Elle est égale à la plus grande capacité
Elle est égale au produit des capacités

Two capacitors of the same value are connected in series. What is the total capacitance?
Half the value of one capacitor
Twice the value of one capacitor
The same as one capacitor
Zero
Deux condensateurs de même valeur sont montés en série. Quelle est la capacité totale ?
La moitié de la valeur d'un condensateur
Le double de la valeur d'un condensateur
La même que celle d'un condensateur
Zéro

Why might two capacitors be connected in series in a high-voltage circuit?
To share the voltage, so each stays within its rating
To double the capacitance available for smoothing the supply
To make them polarised
To reduce their size
Pourquoi monter deux condensateurs en série dans un circuit haute tension ?
Pour répartir la tension, chacun restant dans ses limites
Pour doubler la capacité disponible pour filtrer l'alimentation
Pour les rendre polarisés
Pour réduire leur taille

A large capacitor in a power supply is charged to a high voltage. In what form does it hold energy?
Energy stored in the electric field of its dielectric
Energy stored in a magnetic field around its leads
Chemical energy, like a rechargeable battery
No energy at all, only a voltage
Un gros condensateur d'alimentation est chargé sous une tension élevée. Sous quelle forme contient-il de l'énergie ?
Dans le champ électrique de son diélectrique
Dans un champ magnétique autour de ses pattes
Sous forme chimique, comme une batterie rechargeable
Il ne contient aucune énergie, seulement une tension

Which property of a dielectric increases the capacitance when it replaces air between two plates?
A higher permittivity (dielectric constant)
A higher resistance to heat
A darker colour
A higher density of free electrons
Quelle propriété d'un diélectrique augmente la capacité quand il remplace l'air entre deux armatures ?
Une permittivité (constante diélectrique) plus élevée
Une meilleure résistance à la chaleur
Une couleur plus sombre
Une densité d'électrons libres plus grande

In an air-spaced capacitor, the two plates are moved further apart without changing their area. How does the capacitance change?
It decreases
It increases
It stays the same
It becomes infinite
Dans un condensateur à air, on éloigne les deux armatures sans changer leur surface. Comment varie la capacité ?
Elle diminue
Elle augmente
Elle reste la même
Elle devient infinie
""")

S05 = parse("""
In the international system of units, in which unit is the inductance of a coil measured?
The henry (H)
The farad (F)
The ohm
The tesla per volt
Dans le système international d'unités, en quelle unité mesure-t-on l'inductance d'une bobine ?
Le henry (H)
Le farad (F)
L'ohm
Le tesla par volt

What happens in an inductor when the current through it changes?
A voltage is induced that opposes the change
The inductor stores charge on its plates
Its resistance becomes zero
Nothing happens at all
Que se passe-t-il dans une bobine quand le courant qui la traverse varie ?
Une tension s'induit qui s'oppose à cette variation
La bobine stocke des charges sur ses armatures
Sa résistance devient nulle
Il ne se passe rien

How can the inductance of a coil be increased?
By adding turns or a suitable magnetic core
By using thicker insulation on the wire
By spreading the turns further apart along the former
By shortening the leads
Comment augmenter l'inductance d'une bobine ?
En ajoutant des spires ou un noyau magnétique adapté
En utilisant un isolant plus épais sur le fil
En écartant davantage les spires sur le mandrin
En raccourcissant les connexions

A mains power supply starts with a transformer. What is the main job of a transformer?
To raise or lower an AC voltage
To change AC into DC
To store energy for a long time
To increase the power available from the mains without loss
Une alimentation secteur commence par un transformateur. Quel est le rôle principal d'un transformateur ?
Élever ou abaisser une tension alternative
Transformer l'alternatif en continu
Stocker de l'énergie longtemps
Augmenter sans perte la puissance disponible sur le secteur

Why does a transformer not work on steady DC?
Only a changing current gives the changing field that induces a voltage
DC is too strong for the windings
DC has no voltage
It does; transformers work equally well on steady DC and on AC
Pourquoi un transformateur ne fonctionne-t-il pas en continu permanent ?
Seul un courant variable donne le champ variable qui induit une tension
Le continu est trop fort pour les enroulements
Le continu n'a pas de tension
C'est faux ; les transformateurs marchent aussi bien en continu qu'en alternatif

What is a ferrite core used for in RF coils and chokes?
To get more inductance in a small size, with low loss
To insulate the coil from heat
To make the coil radiate better, like a small antenna
To carry the DC current instead of the wire
À quoi sert un noyau de ferrite dans les bobines et selfs HF ?
À obtenir plus d'inductance sous un faible volume, avec peu de pertes
À isoler la bobine de la chaleur
À faire mieux rayonner la bobine, comme une petite antenne
À transporter le courant continu à la place du fil

In an ideal transformer, how do the primary and secondary powers compare?
They are equal
The secondary power is always higher
The secondary power is the turns ratio times the primary power
The primary power is zero
Dans un transformateur idéal, comment se comparent les puissances primaire et secondaire ?
Elles sont égales
La puissance secondaire est toujours plus élevée
La puissance secondaire est celle du primaire multipliée par le rapport de transformation
La puissance primaire est nulle
""") + c.turns([(230, 1000, 60), (12, 20, 100), (230, 500, 25)])

S06 = c.l_combo([("series", ["0.00001", "0.000022"]), ("parallel", ["0.0001", "0.0001"]),
                 ("series", ["0.0000047", "0.0000033", "0.000001"])]) + parse("""
In a schematic, an RF choke feeds DC to a transistor stage. What is an RF choke?
An inductor that passes DC but blocks RF
A capacitor that blocks DC and passes RF
A switch that cuts the RF path automatically during reception
A fuse that opens when RF current is too high
Sur un schéma, une self de choc HF alimente un étage à transistor en continu. Qu'est-ce qu'une self de choc HF ?
Une bobine qui laisse passer le continu mais bloque la HF
Un condensateur qui bloque le continu et laisse passer la HF
Un commutateur qui coupe automatiquement la voie HF en réception
Un fusible qui s'ouvre quand le courant HF est trop fort

When a current flows through an inductor, in which form does the inductor store energy?
In its magnetic field
In its electric field between plates
As chemical energy
As heat only
Quand un courant traverse une bobine, sous quelle forme la bobine stocke-t-elle de l'énergie ?
Dans son champ magnétique
Dans le champ électrique entre des armatures
Sous forme d'énergie chimique
Sous forme de chaleur seulement

Why are two coils on the same board sometimes mounted at right angles to each other?
To reduce the magnetic coupling between them
To increase the inductance of both coils by mutual coupling
To make them easier to solder
To let air cool them better
Pourquoi monte-t-on parfois deux bobines d'une même carte à angle droit ?
Pour réduire le couplage magnétique entre elles
Pour augmenter l'inductance des deux bobines par couplage mutuel
Pour les souder plus facilement
Pour mieux les refroidir par l'air

What are toroidal cores valued for in RF work?
Their field stays inside the core, so they couple little
They have no inductance at all
They act as antennas
They cannot saturate, whatever current flows in the winding
Pourquoi apprécie-t-on les tores en HF ?
Leur champ reste dans le noyau, et ils se couplent peu
Ils n'ont aucune inductance
Ils servent d'antennes
Ils ne peuvent pas saturer, quel que soit le courant dans l'enroulement

What can happen if a ferrite core carries too much current?
It saturates, its inductance falls and it may heat up
Its inductance increases without limit
It becomes a permanent magnet useful for tuning
Nothing, ferrite cannot saturate
Que peut-il arriver si un noyau de ferrite est traversé par un courant trop fort ?
Il sature, son inductance chute et il peut chauffer
Son inductance augmente sans limite
Il devient un aimant permanent utile pour l'accord
Rien, la ferrite ne peut pas saturer

Why is a coil wound with thick wire preferred in a high-current or high-power circuit?
Its lower resistance wastes less power as heat
Thick wire gives much more inductance per turn than thin wire
Thick wire blocks RF
Thick wire insulates better
Pourquoi préfère-t-on une bobine en fil épais dans un circuit à fort courant ou forte puissance ?
Sa résistance plus faible gaspille moins de chaleur
Le fil épais donne bien plus d'inductance par spire que le fil fin
Le fil épais bloque la HF
Le fil épais isole mieux
""")

S07 = parse("""
What does a semiconductor diode do, which makes it useful for rectifiers and reverse-polarity protection?
It lets current flow easily in one direction only
It stores electrical charge like a capacitor
It amplifies signals like a transistor
It changes the frequency of a signal
Que fait une diode à semi-conducteur, ce qui la rend utile pour les redresseurs et la protection contre l'inversion de polarité ?
Elle laisse passer facilement le courant dans un seul sens
Elle stocke des charges comme un condensateur
Elle amplifie les signaux comme un transistor
Elle change la fréquence d'un signal

On a circuit diagram and on the component itself, what are the two terminals of a semiconductor diode called?
Anode and cathode
Base and emitter
Gate and drain
Primary and secondary
Sur un schéma comme sur le composant, comment s'appellent les deux électrodes d'une diode à semi-conducteur ?
L'anode et la cathode
La base et l'émetteur
La grille et le drain
Le primaire et le secondaire

About what forward voltage drop appears across a silicon diode when it is conducting a moderate current?
About 0.6 to 0.7 V
About 0.01 V
About 5 V
About 12 V
Quelle chute de tension directe apparaît environ aux bornes d'une diode au silicium parcourue par un courant modéré ?
Environ 0,6 à 0,7 V
Environ 0,01 V
Environ 5 V
Environ 12 V

A simple voltage stabiliser uses a Zener diode and a resistor. What is a Zener diode mainly used for?
Holding a steady voltage, reverse biased
Rectifying RF signals at microwave frequencies in radar detectors
Emitting light
Tuning by voltage
Un stabilisateur de tension simple utilise une diode Zener et une résistance. À quoi sert principalement une diode Zener ?
À maintenir une tension stable, en inverse
À redresser les signaux HF en hyperfréquences dans les détecteurs radar
À émettre de la lumière
À accorder par une tension

What is a varactor (variable-capacitance) diode used for?
Electronic tuning, its capacitance set by reverse voltage
Regulating the supply current of the receiver's oscillator
Lighting the display
Protecting against lightning
À quoi sert une diode varicap (à capacité variable) ?
À accorder électroniquement, sa capacité dépendant de la tension inverse
À réguler le courant d'alimentation de l'oscillateur du récepteur
À éclairer l'afficheur
À protéger contre la foudre

Why must a light-emitting diode (LED) normally be used with a series resistor?
To limit the current, which would otherwise destroy it
To make it light up in a different colour from its natural one
To turn the LED into a rectifier
Because an LED needs AC
Pourquoi une diode électroluminescente (LED) s'utilise-t-elle normalement avec une résistance en série ?
Pour limiter le courant, qui sinon la détruirait
Pour la faire éclairer dans une autre couleur que la sienne
Pour en faire un redresseur
Parce qu'une LED a besoin d'alternatif

Why is a diode often fitted across a relay coil?
To absorb the spike when the coil is switched off
To make the relay switch faster on
To double the relay's contact rating
To let the relay work on AC as well as on DC
Pourquoi place-t-on souvent une diode aux bornes de la bobine d'un relais ?
Pour absorber la pointe quand la bobine est coupée
Pour que le relais colle plus vite
Pour doubler le calibre des contacts
Pour que le relais fonctionne en alternatif comme en continu

A silicon diode is reverse biased with a voltage below its breakdown voltage. What current flows?
Only a very small leakage current
A large current limited only by the circuit
A pulsed current that makes it emit light
An oscillating current
Une diode au silicium est polarisée en inverse sous une tension inférieure à sa tension de claquage. Quel courant circule ?
Seulement un très faible courant de fuite
Un fort courant limité seulement par le circuit
Un courant pulsé qui lui fait émettre de la lumière
Un courant oscillant

Why is a diode placed in series with the supply lead of some mobile equipment?
To protect against reversed supply polarity
To increase the supply voltage
To filter RF from the supply lead before it reaches the set
To measure the current
Pourquoi place-t-on une diode en série dans le fil d'alimentation de certains appareils mobiles ?
Pour protéger contre l'inversion de polarité
Pour augmenter la tension d'alimentation
Pour filtrer la HF du câble d'alimentation avant l'appareil
Pour mesurer le courant

What is a germanium diode often used for in simple receivers?
Detecting weak signals, its forward voltage being low
Regulating high voltages
Handling high power in the output stage of amplifiers
Emitting infrared light
À quoi sert souvent une diode au germanium dans les récepteurs simples ?
À détecter les signaux faibles, sa tension directe étant basse
À réguler les hautes tensions
À supporter de fortes puissances dans l'étage de sortie des amplificateurs
À émettre de la lumière infrarouge
""")

S08 = parse("""
When replacing a bipolar transistor, you must identify its three terminals. What are they called?
Emitter, base and collector
Source, gate and drain
Anode, cathode and grid
Primary, secondary and core
En remplaçant un transistor bipolaire, vous devez repérer ses trois électrodes. Comment s'appellent-elles ?
L'émetteur, la base et le collecteur
La source, la grille et le drain
L'anode, la cathode et la grille
Le primaire, le secondaire et le noyau

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
It blocks all collector current
It flows only when the transistor is off
Dans un transistor bipolaire, comment agit un faible courant de base ?
Il commande un courant de collecteur bien plus grand
Il est égal au courant de collecteur
Il bloque tout courant de collecteur
Il ne circule que lorsque le transistor est bloqué

In an amplifier stage using a field-effect transistor, what controls the current flowing into the drain?
The voltage on the gate
The current into the drain itself
The temperature of the source
The resistance of the load only
Dans un étage amplificateur à transistor à effet de champ, qu'est-ce qui commande le courant qui entre dans le drain ?
La tension appliquée à la grille
Le courant entrant dans le drain lui-même
La température de la source
La résistance de la charge seulement

What is the current gain of a bipolar transistor?
The ratio of collector current to base current
The ratio of base voltage to collector voltage
The power it can dissipate
The frequency at which it oscillates
Qu'est-ce que le gain en courant d'un transistor bipolaire ?
Le rapport du courant de collecteur au courant de base
Le rapport de la tension de base à la tension de collecteur
La puissance qu'il peut dissiper
La fréquence à laquelle il oscille

Bipolar transistors come in two types according to the order of their semiconductor layers. What are they?
NPN and PNP
N-channel and P-channel
Enhancement and depletion
Silicon and copper
Les transistors bipolaires existent en deux types selon l'ordre de leurs couches semi-conductrices. Lesquels ?
NPN et PNP
Canal N et canal P
À enrichissement et à appauvrissement
Au silicium et au cuivre

Why does a power transistor need a heat sink?
To remove the heat it dissipates, which could destroy it
To increase its current gain
To insulate it electrically from the case of the equipment
To tune it to the operating frequency
Pourquoi un transistor de puissance a-t-il besoin d'un radiateur ?
Pour évacuer la chaleur dissipée, qui pourrait le détruire
Pour augmenter son gain en courant
Pour l'isoler électriquement du boîtier de l'appareil
Pour l'accorder sur la fréquence de travail

What is an important advantage of a field-effect transistor at the input of an amplifier?
Its gate draws almost no current: a very high input resistance
It needs no supply voltage
It cannot amplify noise, so the amplifier is perfectly quiet
It works only at audio frequencies
Quel est un avantage important d'un transistor à effet de champ à l'entrée d'un amplificateur ?
Sa grille ne consomme presque rien : très forte résistance d'entrée
Il n'a besoin d'aucune tension d'alimentation
Il ne peut pas amplifier le bruit, l'amplificateur est donc parfaitement silencieux
Il ne fonctionne qu'aux fréquences audio

A transistor is used as a switch. In which two states does it work?
Fully on (saturated) and fully off (cut off)
Half on and quarter on
Only in the linear region, between half and full conduction
Forward and reverse oscillation
Un transistor est utilisé en commutateur. Dans quels deux états fonctionne-t-il ?
Complètement conducteur (saturé) et complètement bloqué
À moitié et au quart conducteur
Uniquement dans la zone linéaire, entre mi-conduction et pleine conduction
En oscillation directe et inverse

What is the key difference between an NPN and a PNP transistor in a circuit?
Supply voltages and currents have opposite polarities
The PNP has four terminals
The NPN works only at radio frequencies, the PNP only at audio
The PNP cannot amplify
Quelle est la différence essentielle entre un transistor NPN et un PNP dans un circuit ?
Tensions et courants d'alimentation sont de polarités opposées
Le PNP a quatre électrodes
Le NPN ne fonctionne qu'en HF, le PNP seulement en audio
Le PNP ne peut pas amplifier
""")

S09 = parse("""
What is an integrated circuit?
Many components made on a single semiconductor chip
A circuit built only from valves
A printed circuit board without components, ready for assembly
A group of fuses in one case
Qu'est-ce qu'un circuit intégré ?
De nombreux composants réalisés sur une seule puce de semi-conducteur
Un circuit construit uniquement avec des tubes
Une carte imprimée sans composants, prête à être montée
Un groupe de fusibles dans un même boîtier

What is an operational amplifier?
A very high-gain integrated amplifier set by external feedback
A power amplifier for transmitters only, with a fixed gain of ten
An amplifier built with valves
A circuit that operates switches
Qu'est-ce qu'un amplificateur opérationnel ?
Un amplificateur intégré à très grand gain réglé par une contre-réaction externe
Un amplificateur de puissance réservé aux émetteurs, de gain fixe égal à dix
Un amplificateur à tubes
Un circuit qui actionne des interrupteurs

What does a three-terminal voltage regulator do?
It keeps its output voltage constant despite input or load changes
It raises the voltage to any value set by its third terminal
It turns AC into DC
It measures the voltage
Que fait un régulateur de tension à trois broches ?
Il garde sa sortie constante malgré les variations d'entrée ou de charge
Il élève la tension à toute valeur fixée par sa troisième broche
Il transforme l'alternatif en continu
Il mesure la tension

What is a relay, as used for example to switch an antenna between a transceiver and an amplifier?
A switch whose contacts are worked by an electromagnet
A repeater station on a hill that relays the antenna signal
A capacitor that switches itself
A type of slow-blow fuse
Qu'est-ce qu'un relais, utilisé par exemple pour commuter une antenne entre un émetteur-récepteur et un amplificateur ?
Un interrupteur dont les contacts sont mus par un électroaimant
Une station relais sur une colline qui relaie le signal d'antenne
Un condensateur qui se commute seul
Un type de fusible temporisé

Many reference and beacon oscillators are controlled by a quartz crystal. Why is a quartz crystal used?
It resonates at a very stable frequency
It amplifies the signal strongly
It rectifies the RF
It gives a wide tuning range with a single small capacitor
De nombreux oscillateurs de référence et de balise sont pilotés par quartz. Pourquoi utilise-t-on un quartz ?
Il résonne sur une fréquence très stable
Il amplifie fortement le signal
Il redresse la HF
Il offre une large plage d'accord avec un seul petit condensateur

At the end of the receiver's audio chain, which component turns the electrical signal into sound?
A loudspeaker or headphones
A microphone
A varactor diode
A thermistor
Au bout de la chaîne audio d'un récepteur, quel composant transforme le signal électrique en son ?
Un haut-parleur ou un casque
Un microphone
Une diode varicap
Une thermistance

In a digital logic circuit, what does an AND gate do?
Its output is 1 only when all its inputs are 1
Its output is 1 when any input is 1
It inverts its input
It stores one bit permanently
Dans un circuit logique, que fait une porte ET ?
Sa sortie vaut 1 seulement quand toutes ses entrées valent 1
Sa sortie vaut 1 quand une entrée quelconque vaut 1
Elle inverse son entrée
Elle mémorise un bit en permanence

A software-defined radio samples its input with an analogue-to-digital converter. What does such a converter do?
It turns a varying voltage into numbers
It turns numbers into sound
It changes AC to DC
It converts the frequency of the signal into a power reading
Une radio logicielle échantillonne son entrée avec un convertisseur analogique-numérique. Que fait ce convertisseur ?
Il transforme une tension variable en nombres
Il transforme des nombres en son
Il change l'alternatif en continu
Il convertit la fréquence du signal en une mesure de puissance

Most modern amateur equipment is built with transistors. What is a thermionic valve (vacuum tube) still sometimes used for in amateur stations?
High-power RF amplifiers
Digital signal processing
Low-voltage logic
Battery charging
La plupart du matériel amateur moderne est à transistors. À quoi sert encore parfois un tube électronique dans les stations d'amateur ?
Aux amplificateurs HF de forte puissance
Au traitement numérique du signal
À la logique basse tension
À la charge des batteries
""")

S10 = parse("""
In a circuit diagram, which component is drawn as two short parallel lines of equal length, with a connecting lead on each line?
A capacitor
A resistor
A diode
A fuse
Dans un schéma électrique, quel composant est dessiné par deux traits parallèles courts de même longueur, avec une connexion sur chacun ?
Un condensateur
Une résistance
Une diode
Un fusible

In a circuit diagram, what is shown by a triangle pointing against a short bar across the line?
A diode, conducting in the direction of the point
A transistor, with the bar as its base
A polarised capacitor, with the bar as its negative plate
An earth connection
Dans un schéma électrique, que représente un triangle pointé contre une courte barre perpendiculaire au trait ?
Une diode, conduisant dans le sens de la pointe
Un transistor, dont la barre est la base
Un condensateur polarisé, dont la barre est l'armature négative
Une liaison à la terre

In a circuit diagram, which component is usually drawn as a series of loops or bumps along a line?
An inductor (coil)
A resistor
A battery
A switch
Dans un schéma électrique, quel composant est généralement dessiné comme une suite de boucles ou de bosses sur un trait ?
Une bobine (inductance)
Une résistance
Une batterie
Un interrupteur

In a circuit diagram, what is represented by one long thin line beside a short thick line?
A single cell, the long line being positive
A capacitor with one plate bigger than the other, for decoupling
A fuse
A crystal
Dans un schéma, que représente un long trait fin à côté d'un trait court et épais ?
Un élément de pile, le long trait étant le positif
Un condensateur dont une armature est plus grande, pour le découplage
Un fusible
Un quartz

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
A transformer with a magnetic core
Two resistors in series
A relay contact
A quartz crystal
Dans un schéma électrique, que représentent deux bobines dessinées côte à côte avec des traits parallèles entre elles ?
Un transformateur à noyau magnétique
Deux résistances en série
Un contact de relais
Un quartz

On a schematic, two lines cross and a dot is drawn where they meet. What does the dot mean?
The two wires are connected at that point
The wires cross without connecting
A test point for a meter
A missing component
Sur un schéma, deux traits se croisent et un point est dessiné à leur rencontre. Que signifie ce point ?
Les deux fils sont reliés en ce point
Les fils se croisent sans être reliés
Un point de mesure pour un appareil
Un composant manquant

On a schematic, what is shown by a vertical lead ending in three horizontal lines of decreasing length?
An earth (ground) connection
A battery of three cells
An antenna for the lower HF bands
A loudspeaker
Sur un schéma, que représente une connexion verticale terminée par trois traits horizontaux de longueur décroissante ?
Une liaison à la terre (masse)
Une batterie de trois éléments
Une antenne pour les bandes HF basses
Un haut-parleur

What does a block diagram show, compared with a circuit diagram?
The main stages and the signal path, without component detail
Every resistor and capacitor with its value
The physical layout of the printed board, with each track drawn
The wiring colours of the mains lead
Que montre un schéma synoptique par rapport à un schéma électrique ?
Les étages principaux et le trajet du signal, sans détail des composants
Chaque résistance et chaque condensateur avec sa valeur
La disposition physique de la carte imprimée, chaque piste dessinée
Les couleurs des fils du cordon secteur
""")

S11 = parse("""
In a mains power supply for a transceiver, what does the rectifier stage do?
It turns AC into pulsating DC
It smooths the DC
It lowers the mains voltage
It limits the output current
Dans une alimentation secteur d'émetteur-récepteur, que fait l'étage redresseur ?
Il transforme l'alternatif en continu pulsé
Il lisse le continu
Il abaisse la tension du secteur
Il limite le courant de sortie

Why is a bridge rectifier usually preferred to a single diode?
It uses both half-cycles, so the output is easier to smooth
It needs no transformer and can be fed straight from the mains safely
It gives a higher frequency output than the mains
It uses fewer diodes
Pourquoi préfère-t-on généralement un pont redresseur à une diode seule ?
Il utilise les deux alternances et la sortie se lisse mieux
Il n'a pas besoin de transformateur et se branche sans risque sur le secteur
Il donne une fréquence de sortie plus élevée que le secteur
Il utilise moins de diodes

A full-wave bridge rectifier is built from separate silicon diodes. How many diodes does it need?
Four
Two
One
Six
Un pont redresseur double alternance est réalisé avec des diodes au silicium séparées. Combien de diodes faut-il ?
Quatre
Deux
Une
Six

In a linear power supply, a large electrolytic capacitor follows the bridge rectifier. What is its job?
To smooth the pulsating DC
To block the DC and pass only the mains hum
To raise the frequency of the ripple to a harmless value
To protect the supply against overvoltage from lightning
Dans une alimentation linéaire, un gros condensateur électrolytique suit le pont redresseur. Quel est son rôle ?
Lisser le continu pulsé
Bloquer le continu et ne laisser passer que le ronflement
Élever la fréquence de l'ondulation à une valeur inoffensive
Protéger l'alimentation contre les surtensions de la foudre

The data sheet of a power supply states a maximum ripple. What is ripple in a power supply?
The small AC variation left on the DC output
The noise of the cooling fan
The hum of the mains transformer
The heat produced by the regulator at full load, in watts
La fiche technique d'une alimentation indique une ondulation maximale. Qu'est-ce que l'ondulation (ripple) d'une alimentation ?
La petite variation alternative restant sur la sortie continue
Le bruit du ventilateur
Le ronflement du transformateur secteur
La chaleur produite par le régulateur à pleine charge, en watts

The smoothing capacitor of a transmitter's power supply has dried out and the ripple is high. What may this cause?
A hum on the transmitted signal
A higher output power
A lower SWR
Better frequency stability
Le condensateur de filtrage de l'alimentation d'un émetteur a séché et l'ondulation est forte. Que peut-il en résulter ?
Un ronflement sur le signal émis
Une puissance de sortie plus élevée
Un ROS plus faible
Une meilleure stabilité de fréquence

A power supply uses a full-wave bridge rectifier on a 50 Hz mains supply. At what frequency is the ripple on its smoothed output?
100 Hz
50 Hz
25 Hz
200 Hz
Une alimentation utilise un pont redresseur double alternance sur un secteur à 50 Hz. À quelle fréquence est l'ondulation de sa sortie filtrée ?
100 Hz
50 Hz
25 Hz
200 Hz

Why does a linear regulator run hot when the input voltage is much higher than the output?
It drops the excess voltage at full current, as heat
It is designed to heat the station
Because its output is shorted
Because regulators need to reach a high temperature before they can start
Pourquoi un régulateur linéaire chauffe-t-il quand la tension d'entrée est bien supérieure à la sortie ?
Il absorbe l'excès de tension sous le plein courant, en chaleur
Il est conçu pour chauffer la station
Parce que sa sortie est en court-circuit
Parce que les régulateurs doivent atteindre une haute température pour démarrer

A wrench accidentally shorts the output terminals of a power supply. What protects the supply against this short circuit?
Current limiting or a fuse
A bleeder resistor
A larger smoothing capacitor
A higher transformer voltage
Une clé court-circuite par accident les bornes de sortie d'une alimentation. Qu'est-ce qui protège l'alimentation contre ce court-circuit ?
Une limitation de courant ou un fusible
Une résistance de décharge
Un condensateur de filtrage plus gros
Une tension de transformateur plus élevée

What is the peak DC voltage across the smoothing capacitor, with no load, from a 12 V RMS transformer and a bridge of silicon diodes?
About 15.6 V
About 12 V
About 8.5 V
About 24 V
Quelle tension continue de crête trouve-t-on à vide sur le condensateur de filtrage, avec un transformateur de 12 V efficaces et un pont de diodes au silicium ?
Environ 15,6 V
Environ 12 V
Environ 8,5 V
Environ 24 V
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11]
