"""Basic topic 5: electrical and electronic principles."""

from basic_util import parse
import basic_calc as c

TITLE = ("Electricity and electronics", "\u00c9lectricit\u00e9 et \u00e9lectronique")

S01 = parse("""
What is an electric current?
A flow of electric charge, for example of electrons in a wire
A difference of potential between two points
The opposition of a material to the flow of charge
The energy stored in a magnetic field
Qu'est-ce qu'un courant électrique ?
Un déplacement de charges électriques, par exemple d'électrons dans un fil
Une différence de potentiel entre deux points
L'opposition d'un matériau au passage des charges
L'énergie stockée dans un champ magnétique

In the international system of units, in which unit is an electric current measured?
The ampere (A)
The volt (V)
The watt (W)
The ohm
Dans le système international d'unités, en quelle unité mesure-t-on un courant électrique ?
L'ampère (A)
Le volt (V)
Le watt (W)
L'ohm

In which unit are the electromotive force of a battery and the potential difference across a resistor measured?
The volt (V)
The ampere (A)
The coulomb (C)
The henry (H)
En quelle unité mesure-t-on la force électromotrice d'une pile et la différence de potentiel aux bornes d'une résistance ?
Le volt (V)
L'ampère (A)
Le coulomb (C)
Le henry (H)

Which of these materials is a good electrical conductor, commonly used for antenna wire and feed lines?
Copper
Glass
Dry wood
Polythene
Lequel de ces matériaux est un bon conducteur électrique, couramment employé pour les fils d'antenne et les lignes ?
Le cuivre
Le verre
Le bois sec
Le polyéthylène

Which of these materials is a good insulator, suitable for the end insulators of a wire antenna?
Ceramic or glass
Aluminium
Silver-plated copper
Brass
Lequel de ces matériaux est un bon isolant, convenant aux isolateurs d'extrémité d'une antenne filaire ?
La céramique ou le verre
L'aluminium
Le cuivre argenté
Le laiton

What is the difference between direct current and alternating current?
DC flows one way only; AC reverses direction periodically
Direct current is always stronger, because it comes from batteries
Alternating current flows only in batteries
There is no difference except the name
Quelle est la différence entre courant continu et courant alternatif ?
Le continu va dans un seul sens ; l'alternatif change de sens périodiquement
Le continu est toujours plus fort, parce qu'il vient des batteries
L'alternatif ne circule que dans les piles
Il n'y a aucune différence, sauf le nom

What is a semiconductor?
A material such as silicon, conducting between a conductor and an insulator
A conductor cut in half
A wire that carries half the current
An insulator that breaks down at low voltage and then conducts for good
Qu'est-ce qu'un semi-conducteur ?
Un matériau comme le silicium, de conduction intermédiaire entre conducteur et isolant
Un conducteur coupé en deux
Un fil qui transporte la moitié du courant
Un isolant qui claque à basse tension puis conduit définitivement

A copper wire is replaced by one of the same thickness but twice as long. How does its resistance change?
It doubles
It halves
It stays the same
It increases four times
On remplace un fil de cuivre par un fil de même section mais deux fois plus long. Comment sa résistance varie-t-elle ?
Elle double
Elle diminue de moitié
Elle reste la même
Elle quadruple

A wire is replaced by one of the same length and material but twice the cross-sectional area. How does its resistance change?
It halves
It doubles
It stays the same
It falls to a quarter
On remplace un fil par un autre de même longueur et de même métal, mais de section double. Comment varie sa résistance ?
Elle diminue de moitié
Elle double
Elle reste la même
Elle tombe au quart

Which unit of electrical energy is used on electricity bills to charge for the use of a station's power supply?
The kilowatt-hour
The kilovolt
The kilohm
The kilohertz
Quelle unité d'énergie électrique figure sur les factures d'électricité pour facturer la consommation d'une station ?
Le kilowattheure
Le kilovolt
Le kilohm
Le kilohertz
""")

S02 = c.ohm_i([(12, 240), (230, 46000)]) + c.ohm_v([("0.02", 470), ("0.003", 2200)]) + parse("""
What does Ohm's law state?
Current is proportional to voltage: V = I × R
The power is proportional to the square of the frequency
The resistance rises with the current
The voltage equals the current divided by the resistance: V = I / R
Que dit la loi d'Ohm ?
Le courant est proportionnel à la tension : U = R × I
La puissance est proportionnelle au carré de la fréquence
La résistance augmente avec le courant
La tension est égale au courant divisé par la résistance : U = I / R

The voltage applied across a fixed resistor is doubled while its temperature stays constant. What happens to the current?
It doubles
It halves
It stays the same
It is multiplied by four
On double la tension appliquée aux bornes d'une résistance fixe, sa température restant constante. Que devient le courant ?
Il double
Il diminue de moitié
Il reste le même
Il est multiplié par quatre

In a circuit fed from a constant voltage, a resistor is replaced by one of twice the value. What happens to the current?
It halves
It doubles
It stays the same
It falls to zero
Dans un circuit alimenté sous tension constante, on remplace une résistance par une autre de valeur double. Que devient le courant ?
Il diminue de moitié
Il double
Il reste le même
Il tombe à zéro

You measure the voltage V across a component and the current I through it. Which expression gives its resistance R?
R = V / I
R = V × I
R = I / V
R = V + I
Vous mesurez la tension U aux bornes d'un composant et le courant I qui le traverse. Quelle expression donne sa résistance R ?
R = U / I
R = U × I
R = I / U
R = U + I
""")

S03 = c.power_vi([("13.8", 20), (230, "0.4")]) + c.power_i2r([(2, 50), ("0.1", 1000)]) + parse("""
In the international system of units, in which unit is electrical power, such as transmitter output, measured?
The watt (W)
The joule (J)
The volt-second
The ampere-hour
Dans le système international d'unités, en quelle unité mesure-t-on une puissance électrique, comme celle d'un émetteur ?
Le watt (W)
Le joule (J)
Le volt-seconde
L'ampère-heure

You know the current I through a resistor and its resistance R. Which formula gives the power P it dissipates?
P = I² × R
P = I × R²
P = R / I
P = I / R
Vous connaissez le courant I dans une résistance et sa valeur R. Quelle formule donne la puissance P qu'elle dissipe ?
P = I² × R
P = I × R²
P = R / I
P = I / R

The current through a fixed resistor is doubled. How does the power it dissipates as heat change?
It becomes four times larger
It doubles
It stays the same
It halves
On double le courant dans une résistance fixe. Comment varie la puissance qu'elle dissipe en chaleur ?
Elle est multipliée par quatre
Elle double
Elle reste la même
Elle diminue de moitié

A resistor in a dummy load gets hot in use. What happens to the electrical power dissipated in a resistor?
It is turned into heat
It is stored as electric charge
It is radiated as light only
It is returned to the supply
Une résistance de charge fictive chauffe en fonctionnement. Que devient la puissance électrique dissipée dans une résistance ?
Elle est transformée en chaleur
Elle est stockée sous forme de charges électriques
Elle est rayonnée sous forme de lumière uniquement
Elle est renvoyée à l'alimentation
""")

S04 = c.power_v2r([(100, 50), (12, 6)]) + c.ohm_r([(12, "0.05"), (5, "0.02"), (9, "0.3")]) + parse("""
You know the voltage V across a resistor and its resistance R. Which formula gives the power P it dissipates?
P = V² / R
P = V × R
P = R / V²
P = V / R
Vous connaissez la tension U aux bornes d'une résistance et sa valeur R. Quelle formule donne la puissance P qu'elle dissipe ?
P = U² / R
P = U × R
P = R / U²
P = U / R

The RF voltage measured across a transmitter's fixed 50-ohm load is doubled. How does the output power change?
It is multiplied by four
It doubles
It stays the same
It halves
La tension HF mesurée aux bornes de la charge fixe de 50 ohms d'un émetteur double. Comment varie la puissance de sortie ?
Elle est multipliée par quatre
Elle double
Elle reste la même
Elle diminue de moitié

A 100 W work lamp in the shack is left switched on for 5 hours. How much electrical energy does it use?
0.5 kWh
20 kWh
5 kWh
500 kWh
Une lampe de travail de 100 W reste allumée 5 heures dans la station. Quelle énergie électrique consomme-t-elle ?
0,5 kWh
20 kWh
5 kWh
500 kWh

Why does a resistor of too low a power rating overheat even though its resistance value is correct?
It must dissipate more heat than it can shed
Its resistance rises to infinity
A low power rating means it is made for a lower voltage and breaks down
Power rating only matters for capacitors
Pourquoi une résistance de puissance nominale trop faible surchauffe-t-elle, même si sa valeur est correcte ?
Elle doit dissiper plus de chaleur qu'elle n'en évacue
Sa résistance devient infinie
Une faible puissance nominale signifie qu'elle est faite pour une tension plus basse et claque
La puissance nominale ne concerne que les condensateurs
""")

S05 = c.divider([(12, 1000, 2000), (9, 2000, 1000), (15, 4700, 10000)]) + parse("""
What does Kirchhoff's current law state?
Currents into a junction add up to the currents out of it
The voltage across a resistor equals the current times the resistance
The power is the current times the voltage
The sum of the resistances in a loop is zero
Que dit la loi des nœuds de Kirchhoff ?
Les courants entrant dans un nœud égalent ceux qui en sortent
La tension aux bornes d'une résistance est le produit du courant par la résistance
La puissance est le produit du courant par la tension
La somme des résistances d'une maille est nulle

What does Kirchhoff's voltage law state?
Around a closed loop, voltage rises equal voltage drops
The current is the same in every branch of a parallel circuit
The voltage is the same across every component of a series circuit
The total voltage is always zero in a working circuit
Que dit la loi des mailles de Kirchhoff ?
Dans une boucle fermée, élévations et chutes de tension s'équilibrent
Le courant est le même dans toutes les branches d'un circuit parallèle
La tension est la même aux bornes de chaque composant d'un circuit série
La tension totale est toujours nulle dans un circuit qui fonctionne

Two resistors of equal value are connected in series across a 10 V supply. What voltage appears across each of them?
5 V
10 V
20 V
2.5 V
Deux résistances de même valeur sont montées en série sur une alimentation de 10 V. Quelle tension apparaît aux bornes de chacune ?
5 V
10 V
20 V
2,5 V

A current of 2 A enters a junction and divides between two branches. An ammeter shows 0.5 A in one branch. What current flows in the other?
1.5 A
2.5 A
0.5 A
1 A
Un courant de 2 A arrive à un nœud et se partage entre deux branches. Un ampèremètre indique 0,5 A dans l'une. Quel courant circule dans l'autre ?
1,5 A
2,5 A
0,5 A
1 A

Why is the output voltage of a voltage divider reduced when a load is connected to it?
The load in parallel lowers the bottom resistance
The load raises the supply voltage
The load adds resistance in series with the top resistor, so less current flows
Dividers are unaffected by any load
Pourquoi la tension de sortie d'un pont diviseur baisse-t-elle quand on y branche une charge ?
La charge en parallèle abaisse la résistance du bas
La charge élève la tension d'alimentation
La charge ajoute une résistance en série avec celle du haut, et le courant baisse
Un pont diviseur n'est affecté par aucune charge

Three lamps are wired in series and one burns out. What happens?
All three go out, as the circuit is broken
Only the faulty lamp goes out
The other two get brighter, sharing the voltage of the third
Nothing changes
Trois lampes sont câblées en série et l'une grille. Que se passe-t-il ?
Les trois s'éteignent, le circuit étant ouvert
Seule la lampe défectueuse s'éteint
Les deux autres brillent plus, se partageant la tension de la troisième
Rien ne change

What is the internal resistance of a battery, and what effect does it have?
Resistance within the battery; the terminal voltage falls as current rises
A resistor fitted inside the case to protect the battery from short circuits
The resistance of the battery's case
It has no effect on the terminal voltage
Qu'est-ce que la résistance interne d'une batterie, et quel est son effet ?
La résistance interne ; la tension aux bornes baisse quand le courant monte
Une résistance placée dans le boîtier pour protéger la batterie des courts-circuits
La résistance du boîtier de la batterie
Elle n'a aucun effet sur la tension aux bornes
""")

S06 = c.period([("T", 1000), ("f", "0.000001"), ("T", 50)]) + c.rms_peak([("peak", 230), ("pp", 10), ("rms", 100)]) + parse("""
What is the frequency of an alternating current?
The number of cycles per second, in hertz
The maximum voltage it reaches
The time taken by one complete cycle, measured in seconds
The number of electrons that flow
Qu'est-ce que la fréquence d'un courant alternatif ?
Le nombre de cycles par seconde, en hertz
La tension maximale qu'il atteint
La durée d'un cycle complet, mesurée en secondes
Le nombre d'électrons qui circulent

What does the RMS value of an alternating voltage represent?
The DC voltage giving the same heating in a resistor
The highest value the voltage reaches
The average of the positive half-cycle only, ignoring the negative half
The voltage between two peaks
Que représente la valeur efficace d'une tension alternative ?
La tension continue donnant le même échauffement
La valeur la plus haute atteinte par la tension
La moyenne de l'alternance positive seule, sans tenir compte de la négative
La tension entre deux crêtes

The audio stages of a receiver only need to pass frequencies that people can hear. What is the range of human hearing, roughly?
About 20 Hz to 20 kHz
About 20 kHz to 20 MHz
About 1 Hz to 100 Hz
About 300 kHz to 3 MHz
Les étages audio d'un récepteur n'ont à passer que les fréquences audibles. Quelle est, environ, la plage d'audition humaine ?
Environ 20 Hz à 20 kHz
Environ 20 kHz à 20 MHz
Environ 1 Hz à 100 Hz
Environ 300 kHz à 3 MHz

In the international naming of frequency ranges, which range is called HF (high frequency), the short-wave range used for worldwide contacts?
3 to 30 MHz
30 to 300 MHz
300 kHz to 3 MHz
300 to 3000 MHz
Dans la dénomination internationale des gammes de fréquences, quelle gamme appelle-t-on HF (ondes décamétriques), utilisée pour les liaisons mondiales ?
3 à 30 MHz
30 à 300 MHz
300 kHz à 3 MHz
300 à 3000 MHz
""")

S07 = c.xl([(7000000, "0.00001"), (50, "0.5"), (144000000, "0.0000001")]) + parse("""
What is reactance?
The opposition of a coil or capacitor to AC, in ohms
The resistance of a wire to direct current, measured with an ohmmeter
The power lost in a resistor
The ability of a circuit to store charge
Qu'est-ce que la réactance ?
L'opposition d'une bobine ou d'un condensateur à l'alternatif, en ohms
La résistance d'un fil au courant continu, mesurée à l'ohmmètre
La puissance perdue dans une résistance
L'aptitude d'un circuit à stocker des charges

A coil is used in a filter. How does its inductive reactance change when the signal frequency rises?
It increases in proportion to the frequency
It decreases in proportion to the frequency
It stays the same
It becomes zero
Une bobine est utilisée dans un filtre. Comment varie sa réactance inductive quand la fréquence du signal augmente ?
Elle augmente proportionnellement à la fréquence
Elle diminue proportionnellement à la fréquence
Elle reste la même
Elle devient nulle

Which formula gives the reactance XL, in ohms, of an inductor of L henrys at a frequency of f hertz?
XL = 2 × pi × f × L
XL = 1 / (2 × pi × f × L)
XL = f / L
XL = L / (2 × pi × f)
Quelle formule donne la réactance XL, en ohms, d'une bobine de L henrys à la fréquence de f hertz ?
XL = 2 × pi × f × L
XL = 1 / (2 × pi × f × L)
XL = f / L
XL = L / (2 × pi × f)

A coil is wound with perfect, resistance-free wire. What reactance does this ideal inductor present to a steady direct current?
Zero
Infinite
Equal to its reactance at 50 Hz
It depends on the voltage
Une bobine est réalisée en fil parfait, sans résistance. Quelle réactance cette bobine idéale présente-t-elle à un courant continu constant ?
Nulle
Infinie
Égale à sa réactance à 50 Hz
Elle dépend de la tension

In a pure inductance, how does the current compare with the voltage?
The current lags the voltage by 90 degrees
The current leads the voltage by 90 degrees
They are exactly in phase
The current lags by 180 degrees
Dans une inductance pure, comment le courant se situe-t-il par rapport à la tension ?
Le courant est en retard de 90 degrés sur la tension
Le courant est en avance de 90 degrés sur la tension
Ils sont exactement en phase
Le courant est en retard de 180 degrés

Why does an inductor pass low frequencies more easily than high frequencies?
Its reactance is proportional to frequency
Its resistance increases with frequency only
It stores more charge at low frequencies
It does not; it passes all frequencies equally
Pourquoi une bobine laisse-t-elle passer plus facilement les basses fréquences que les hautes ?
Sa réactance est proportionnelle à la fréquence
Seule sa résistance augmente avec la fréquence
Elle stocke plus de charges aux basses fréquences
C'est faux ; elle laisse passer toutes les fréquences de la même façon
""")

S08 = c.xc([(7000000, "0.0000000001"), (1000, "0.000001"), (14000000, "0.00000001")]) + parse("""
A capacitor is used to bypass a supply line. How does its capacitive reactance change when the signal frequency rises?
It decreases in inverse proportion to the frequency
It increases in proportion to the frequency
It stays the same
It becomes infinite
Un condensateur sert à découpler une ligne d'alimentation. Comment varie sa réactance capacitive quand la fréquence du signal augmente ?
Elle diminue en proportion inverse de la fréquence
Elle augmente proportionnellement à la fréquence
Elle reste la même
Elle devient infinie

Which formula gives the reactance XC, in ohms, of a capacitor of C farads at a frequency of f hertz?
XC = 1 / (2 × pi × f × C)
XC = 2 × pi × f × C
XC = f × C
XC = C / f
Quelle formule donne la réactance XC, en ohms, d'un condensateur de C farads à la fréquence de f hertz ?
XC = 1 / (2 × pi × f × C)
XC = 2 × pi × f × C
XC = f × C
XC = C / f

In a pure capacitance, how does the current compare with the voltage?
The current leads the voltage by 90 degrees
The current lags the voltage by 90 degrees
They are in phase
The current leads by 180 degrees
Dans une capacité pure, comment le courant se situe-t-il par rapport à la tension ?
Le courant est en avance de 90 degrés sur la tension
Le courant est en retard de 90 degrés sur la tension
Ils sont en phase
Le courant est en avance de 180 degrés

Why is a capacitor used to couple an audio signal from one stage to the next?
It passes the AC signal and blocks the DC
It amplifies the signal
It converts the signal to DC
It adds a DC bias voltage to the signal for the next stage
Pourquoi utilise-t-on un condensateur pour transmettre un signal audio d'un étage au suivant ?
Il laisse passer le signal alternatif et bloque le continu
Il amplifie le signal
Il transforme le signal en continu
Il ajoute au signal une tension de polarisation continue pour l'étage suivant

A coupling capacitor is replaced by one of twice the capacitance, the frequency staying the same. How does its reactance change?
It halves
It doubles
It stays the same
It becomes four times larger
On remplace un condensateur de liaison par un autre de capacité double, la fréquence restant la même. Comment varie sa réactance ?
Elle diminue de moitié
Elle double
Elle reste la même
Elle est multipliée par quatre

Why does a decoupling capacitor across a supply line short out RF but not the DC supply?
Its reactance is low at RF, and it blocks DC
It has zero resistance at all frequencies
It stores the DC supply and releases only the RF into the line
It converts RF into heat through its leads
Pourquoi un condensateur de découplage sur une ligne d'alimentation court-circuite-t-il la HF mais pas le continu ?
Sa réactance est faible en HF, et il bloque le continu
Il a une résistance nulle à toutes les fréquences
Il stocke le continu de l'alimentation et ne libère que la HF dans la ligne
Il transforme la HF en chaleur par ses pattes
""")

S09 = parse("""
Antennas, feed lines and transmitters are all described by an impedance in ohms. What is impedance?
The total opposition to AC: resistance and reactance
Resistance measured with DC only, at room temperature
The reactance of a capacitor alone, at 50 Hz
The power lost in an inductor, expressed in ohms
Antennes, lignes et émetteurs sont tous décrits par une impédance en ohms. Qu'est-ce que l'impédance ?
L'opposition totale à l'alternatif : résistance et réactance
La résistance mesurée en continu seulement, à température ambiante
La réactance d'un condensateur seul, à 50 Hz
La puissance perdue dans une bobine, exprimée en ohms

An antenna coupler presents a resistance of 30 ohms in series with an inductive reactance of 40 ohms. What is the magnitude of the impedance?
50 ohms
70 ohms
10 ohms
1200 ohms
Une boîte de couplage présente une résistance de 30 ohms en série avec une réactance inductive de 40 ohms. Quel est le module de l'impédance ?
50 ohms
70 ohms
10 ohms
1200 ohms

Why can the impedance of a series resistor and inductor not be found by simply adding ohms?
Their voltages are 90 degrees apart and add as vectors
Because inductors have no ohms
Because the resistor's value changes with frequency while the coil's does not
It can; they always simply add
Pourquoi ne peut-on pas trouver l'impédance d'une résistance et d'une bobine en série en additionnant simplement les ohms ?
Leurs tensions sont déphasées de 90 degrés et s'additionnent en vecteurs
Parce que les bobines n'ont pas d'ohms
Parce que la valeur de la résistance varie avec la fréquence, et pas celle de la bobine
C'est possible ; elles s'additionnent toujours simplement

In a circuit with inductive and capacitive reactance in series, what happens to the two reactances?
They partly cancel, since they act in opposite directions
They always add together
They multiply
They have no effect on each other or on the current
Dans un circuit comportant réactances inductive et capacitive en série, que deviennent ces deux réactances ?
Elles s'annulent en partie, car elles agissent en sens opposés
Elles s'additionnent toujours
Elles se multiplient
Elles n'ont aucun effet l'une sur l'autre ni sur le courant

Why does a 50-ohm transmitter need to see a load close to 50 ohms?
To deliver full power without excess voltage or current
Because any other load makes its frequency drift by several kilohertz
Because 50 ohms is the resistance of free space
Because a 50-ohm load radiates no harmonics
Pourquoi un émetteur de 50 ohms doit-il voir une charge proche de 50 ohms ?
Pour fournir toute sa puissance sans tension ni courant excessifs
Parce que toute autre charge fait dériver sa fréquence de plusieurs kilohertz
Parce que 50 ohms est la résistance du vide
Parce qu'une charge de 50 ohms ne rayonne pas d'harmoniques

What is meant by "matching" a load to a source?
Giving the load the impedance the source needs
Painting them the same colour
Using the same brand of equipment
Connecting them with the shortest possible cable of the same brand
Que signifie « adapter » une charge à une source ?
Donner à la charge l'impédance que demande la source
Les peindre de la même couleur
Utiliser la même marque de matériel
Les relier par le câble le plus court possible, de même marque

Which device is used to change one impedance into another, for example to connect a 200-ohm antenna to a 50-ohm line?
An impedance-matching transformer
A fuse rated for the antenna current
A rectifier diode
A voltage regulator on the feed line
Quel dispositif sert à transformer une impédance en une autre, par exemple pour relier une antenne de 200 ohms à une ligne de 50 ohms ?
Un transformateur d'adaptation d'impédance
Un fusible calibré au courant d'antenne
Une diode de redressement
Un régulateur de tension sur la ligne

A matching transformer has a turns ratio of 2:1. By what factor does it transform impedance, for example at the feed point of an antenna?
By 4, the square of the turns ratio
By 2, the same as the turns ratio
By 1; impedance is not changed by a transformer
By 0.5, the inverse of the turns ratio
Un transformateur d'adaptation a un rapport de spires de 2:1. Par quel facteur transforme-t-il l'impédance, par exemple au point d'alimentation d'une antenne ?
Par 4, le carré du rapport de spires
Par 2, comme le rapport de spires
Par 1 ; un transformateur ne change pas l'impédance
Par 0,5, l'inverse du rapport de spires

When is maximum power transferred from a source to a resistive load?
When the load resistance equals the source resistance
When the load resistance is zero
When the load resistance is infinite
When the load resistance is ten times the source resistance
Quand le transfert de puissance d'une source vers une charge résistive est-il maximal ?
Quand la résistance de charge est égale à la résistance de la source
Quand la résistance de charge est nulle
Quand la résistance de charge est infinie
Quand la résistance de charge vaut dix fois celle de la source
""")

S10 = c.resonance([("0.00001", "0.0000000001"), ("0.000002", "0.000000000125"), ("0.0001", "0.0000000005")]) + c.bandwidth_q([(7000000, 70), (3600000, 120), (14100000, 50)]) + parse("""
What happens at the resonant frequency of a circuit containing inductance and capacitance?
The inductive and capacitive reactances are equal
The resistance becomes infinite
The capacitor and the inductor both have zero reactance
The circuit stops working
Que se passe-t-il à la fréquence de résonance d'un circuit comportant inductance et capacité ?
Les réactances inductive et capacitive sont égales
La résistance devient infinie
Le condensateur et la bobine ont tous deux une réactance nulle
Le circuit cesse de fonctionner

An inductor and a capacitor are connected in series. What is the impedance of this series tuned circuit at its resonant frequency?
Minimum, equal to the circuit's resistance
Maximum, ideally infinite
Equal to twice the inductive reactance
Equal to the inductive reactance
Une bobine et un condensateur sont montés en série. Quelle est l'impédance de ce circuit accordé série à sa fréquence de résonance ?
Minimale, égale à la résistance du circuit
Maximale, idéalement infinie
Égale au double de la réactance inductive
Égale à la réactance inductive

An inductor and a capacitor are connected in parallel. What is the impedance of this parallel tuned circuit at its resonant frequency?
Maximum, ideally very high
Minimum, ideally zero
Equal to the capacitive reactance
It cannot be defined
Une bobine et un condensateur sont montés en parallèle. Quelle est l'impédance de ce circuit accordé parallèle à sa fréquence de résonance ?
Maximale, idéalement très élevée
Minimale, idéalement nulle
Égale à la réactance capacitive
Elle n'est pas définie

The tuning capacitor of an LC circuit is turned to increase its capacitance. What happens to the resonant frequency?
It falls
It rises
It stays the same
It doubles
On tourne le condensateur d'accord d'un circuit LC pour augmenter sa capacité. Que devient la fréquence de résonance ?
Elle baisse
Elle monte
Elle reste la même
Elle double
""")

S11 = c.db_ratio([(10, 100), (100, 50)]) + c.db_power([(10, 3), (5, 10)]) + parse("""
Gains, losses and signal levels in radio are often given in decibels. What does the decibel express?
A ratio of two powers, on a logarithmic scale
An absolute power in watts
A frequency difference in hertz
A resistance at radio frequencies
En radio, gains, pertes et niveaux de signal sont souvent donnés en décibels. Qu'exprime le décibel ?
Un rapport de deux puissances, sur une échelle logarithmique
Une puissance absolue en watts
Un écart de fréquence en hertz
Une résistance aux fréquences radio

An amplifier has a power gain of 10 dB. By what factor does it multiply the power of the signal?
By ten
By two
By a hundred
By three
Un amplificateur a un gain en puissance de 10 dB. Par quel facteur multiplie-t-il la puissance du signal ?
Par dix
Par deux
Par cent
Par trois

A cable has a loss of 20 dB. What fraction of the power fed into it reaches the far end?
One hundredth
One twentieth
One tenth
One quarter
Un câble a une perte de 20 dB. Quelle fraction de la puissance injectée arrive à l'autre bout ?
Un centième
Un vingtième
Un dixième
Un quart

A preamplifier with 10 dB of gain at the masthead is followed by a cable with 3 dB of loss. What is the overall gain of the chain?
7 dB
13 dB
30 dB
3.3 dB
Un préamplificateur de 10 dB de gain en tête de mât est suivi d'un câble de 3 dB de perte. Quel est le gain global de la chaîne ?
7 dB
13 dB
30 dB
3,3 dB

Why are decibels convenient for working out a chain of gains and losses?
Gains and losses in dB simply add
Decibels are always whole numbers
Decibels do not depend on power, so the input level never matters
Because a decibel equals one watt
Pourquoi les décibels sont-ils pratiques pour calculer une chaîne de gains et de pertes ?
Gains et pertes en dB s'additionnent simplement
Les décibels sont toujours des nombres entiers
Les décibels ne dépendent pas de la puissance, le niveau d'entrée n'importe donc jamais
Parce qu'un décibel vaut un watt

A transmitter's output is raised by 3 dB. By approximately what factor has its power been multiplied?
By two
By three
By ten
By one and a half
La sortie d'un émetteur est augmentée de 3 dB. Par quel facteur approximatif sa puissance a-t-elle été multipliée ?
Par deux
Par trois
Par dix
Par une fois et demie
""")

S12 = c.dbm([("0.1", )]) + parse("""
By convention, one S-unit on a well-calibrated HF S-meter corresponds to how many decibels of signal change?
6 dB, a factor of four in power
1 dB, about a quarter more power
20 dB, a factor of one hundred in power
60 dB, a factor of one million in power
Par convention, un point S d'un S-mètre HF bien étalonné correspond à combien de décibels de variation du signal ?
6 dB, soit un facteur quatre en puissance
1 dB, soit environ un quart de puissance en plus
20 dB, soit un facteur cent en puissance
60 dB, soit un facteur d'un million en puissance

A station reduces its power from 100 W to 25 W, a fall of 6 dB. Taking 6 dB per S-unit, by how much does its signal fall on your S-meter?
About one S-unit
About four S-units, one per 25 W
About nine S-units, down to the noise
It does not change, as the S-meter reads only the frequency
Une station réduit sa puissance de 100 W à 25 W, soit une baisse de 6 dB. À 6 dB par point S, de combien son signal baisse-t-il sur votre S-mètre ?
D'environ un point S
D'environ quatre points S, un par tranche de 25 W
D'environ neuf points S, jusqu'au bruit
Il ne change pas, le S-mètre ne lisant que la fréquence

What does a negative figure in decibels, such as -3 dB, describe?
A loss: less comes out than goes in
A gain larger than 3 dB
A power of minus 3 watts, drawn back from the load
An error in the measurement
Que décrit une valeur négative en décibels, comme -3 dB ?
Une perte : il sort moins qu'il n'entre
Un gain supérieur à 3 dB
Une puissance de moins 3 watts, reprise à la charge
Une erreur de mesure
""")

S13 = c.time_constant([(10000, "0.0001"), (1000000, "0.0000001"), (4700, "0.00000001")]) + parse("""
What is the time constant of a resistor-capacitor circuit?
The time to charge to about 63 % of the applied voltage
The time for the capacitor to charge fully to the applied voltage
The time for one cycle of oscillation
The time for the resistor to cool down
Qu'est-ce que la constante de temps d'un circuit résistance-condensateur ?
Le temps de charge à environ 63 % de la tension appliquée
Le temps de charge complète du condensateur à la tension appliquée
La durée d'un cycle d'oscillation
Le temps de refroidissement de la résistance

A capacitor charges through a resistor from a fixed voltage. After about how many time constants is it considered practically fully charged?
Five
One
Two
Twenty
Un condensateur se charge à travers une résistance sous une tension fixe. Au bout de combien de constantes de temps environ le considère-t-on comme pratiquement chargé ?
Cinq
Une
Deux
Vingt

What does a low-pass filter do?
It passes frequencies below its cut-off
It passes only frequencies above its cut-off and blocks the rest
It passes only one frequency
It attenuates all frequencies equally
Que fait un filtre passe-bas ?
Il laisse passer les fréquences sous sa coupure
Il ne laisse passer que les fréquences au-dessus de sa coupure
Il ne laisse passer qu'une fréquence
Il atténue toutes les fréquences de la même façon

A high-pass filter is fitted at the input of a television set. What does a high-pass filter do?
It passes frequencies above its cut-off
It passes frequencies below its cut-off and blocks the rest
It passes DC only, blocking every alternating signal
It blocks a single frequency and passes all the others
On monte un filtre passe-haut à l'entrée d'un téléviseur. Que fait un filtre passe-haut ?
Il laisse passer les fréquences au-dessus de sa coupure
Il laisse passer les fréquences sous sa coupure et bloque le reste
Il ne laisse passer que le continu et bloque tout signal alternatif
Il bloque une seule fréquence et laisse passer toutes les autres

What does a band-pass filter do?
It passes a range of frequencies, rejecting both sides
It blocks a narrow range of frequencies and passes all the others
It passes all frequencies except DC
It passes only very low frequencies
Que fait un filtre passe-bande ?
Il laisse passer une gamme de fréquences et rejette les deux côtés
Il bloque une gamme étroite de fréquences et laisse passer les autres
Il laisse passer toutes les fréquences sauf le continu
Il ne laisse passer que les très basses fréquences

What is a notch (band-stop) filter used for?
Removing a narrow band, such as an interfering tone
Passing only one narrow band
Increasing the gain at one chosen frequency of the audio band
Converting AC to DC
À quoi sert un filtre réjecteur (coupe-bande) ?
À éliminer une bande étroite, comme une porteuse gênante
À ne laisser passer qu'une bande étroite
À augmenter le gain sur une fréquence choisie de la bande audio
À transformer l'alternatif en continu

What is the cut-off frequency of a filter usually defined as?
The frequency at which the output has fallen by 3 dB
The frequency at which the output is zero
The highest frequency the filter can handle without damage
The frequency at which the output doubles
Comment définit-on généralement la fréquence de coupure d'un filtre ?
La fréquence à laquelle la sortie a baissé de 3 dB
La fréquence à laquelle la sortie est nulle
La plus haute fréquence que le filtre supporte sans dommage
La fréquence à laquelle la sortie double
""")

S14 = c.efficiency([(50, "13.8", 8), (100, 50, 4), (10, 12, "1.5")]) + parse("""
Receivers and transmitters contain many amplifier stages. What is the main purpose of an amplifier?
To increase the power, voltage or current of a signal
To change the frequency of a signal
To convert AC to DC
To store a signal for later use, as a memory does
Récepteurs et émetteurs comportent de nombreux étages amplificateurs. Quel est le but principal d'un amplificateur ?
Augmenter la puissance, la tension ou le courant d'un signal
Changer la fréquence d'un signal
Transformer l'alternatif en continu
Stocker un signal pour plus tard, comme une mémoire

A linear amplifier turns 10 W of drive into 100 W of output. Where does the extra power in the amplified signal come from?
From the power supply of the amplifier
From the input signal itself
From the antenna
From the cooling fan
Un amplificateur linéaire transforme 10 W d'excitation en 100 W de sortie. D'où vient la puissance supplémentaire du signal amplifié ?
De l'alimentation de l'amplificateur
Du signal d'entrée lui-même
De l'antenne
Du ventilateur de refroidissement

What happens to power that an amplifier draws from its supply but does not deliver as signal?
It is turned into heat in the amplifier
It is returned to the mains
It is stored in the output transistor
It is radiated as harmonics only
Que devient la puissance qu'un amplificateur prend à son alimentation sans la fournir sous forme de signal ?
Elle est transformée en chaleur dans l'amplificateur
Elle est renvoyée au secteur
Elle est stockée dans le transistor de sortie
Elle est rayonnée sous forme d'harmoniques uniquement

Which class of amplifier, with current flowing through the whole cycle, is the most linear but also the least efficient?
Class A
Class C
Class D
Class E
Quelle classe d'amplificateur, où le courant circule pendant tout le cycle, est la plus linéaire mais aussi la moins efficace ?
La classe A
La classe C
La classe D
La classe E

Why is a class C amplifier unsuitable for amplifying an SSB signal?
It is non-linear and would distort the signal
It cannot work at radio frequencies
Its efficiency is too low for the high average power of SSB
It can only amplify DC
Pourquoi un amplificateur en classe C ne convient-il pas à un signal BLU ?
Il est non linéaire et déformerait le signal
Il ne peut pas fonctionner en HF
Son rendement est trop faible pour la puissance moyenne élevée de la BLU
Il ne peut amplifier que du continu

What is negative feedback in an amplifier?
Output fed back to the input in opposite phase, reducing distortion
Output fed back to the input in phase, so that the stage oscillates
Connecting the output to earth
Using a negative supply voltage
Qu'est-ce que la contre-réaction dans un amplificateur ?
La sortie réinjectée à l'entrée en opposition de phase, réduisant la distorsion
La sortie réinjectée à l'entrée en phase, pour que l'étage oscille
La mise à la terre de la sortie
L'emploi d'une tension d'alimentation négative

What does an oscillator need in order to keep running?
Gain, and positive feedback in phase
Negative feedback only
A dummy load on its output to keep the level constant
A very high supply voltage
De quoi un oscillateur a-t-il besoin pour entretenir ses oscillations ?
D'un gain et d'une réaction positive en phase
D'une contre-réaction seulement
D'une charge fictive en sortie pour garder un niveau constant
D'une tension d'alimentation très élevée
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11, S12, S13, S14]
