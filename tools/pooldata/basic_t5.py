"""Basic topic 5: electrical and electronic principles."""

from basic_util import parse
import basic_calc as c

TITLE = ("Electricity and electronics", "\u00c9lectricit\u00e9 et \u00e9lectronique")

S01 = parse("""
What is an electric current?
A flow of charge, such as electrons in a wire
A difference of potential between two points
The opposition of a material to charge flow
The energy carried by a magnetic field
Qu'est-ce qu'un courant électrique ?
Un mouvement de charges dans un conducteur
Une différence de potentiel entre deux points
L'opposition d'un matériau au passage des charges
L'énergie portée par un champ magnétique

In the international system of units, in which unit is an electric current measured?
The ampere
The volt
The ohm
The coulomb
Dans le système international d'unités, en quelle unité mesure-t-on un courant électrique ?
L'ampère
Le volt
L'ohm
Le coulomb

In which unit are the electromotive force of a battery and the potential difference across a resistor measured?
The volt
The ampere
The coulomb
The watt
En quelle unité mesure-t-on la force électromotrice d'une pile et la différence de potentiel aux bornes d'une résistance ?
Le volt
L'ampère
Le coulomb
Le watt

Which of these materials is a good electrical conductor, commonly used for antenna wire and feed lines?
Copper
Glass
Dry wood
Polythene
Lequel de ces matériaux est un bon conducteur électrique, courant pour les fils d'antenne et les lignes ?
Le cuivre
Le verre
Le bois sec
Le polyéthylène

Which of these materials is a good insulator, suitable for the end insulators of a wire antenna?
Ceramic or glass
Aluminium
Silver-plated copper
Carbon fibre
Lequel de ces matériaux est un bon isolant, convenant aux isolateurs d'extrémité d'une antenne filaire ?
Le verre ou la céramique
L'aluminium
Le cuivre argenté
Le composite carbone

What is the difference between direct current and alternating current?
DC flows one way only; AC keeps reversing
DC is steady; AC is DC with a ripple added to it
DC comes only from batteries, AC only from the mains
DC reverses at 50 Hz; AC keeps one direction
Quelle est la différence entre courant continu et courant alternatif ?
Le continu a un seul sens ; l'alternatif change de sens
Le continu est stable ; l'alternatif est du continu ondulé
Le continu vient seulement des piles, l'alternatif du secteur
Le continu s'inverse à 50 Hz ; l'alternatif garde son sens

What is a semiconductor?
A material like silicon, between conductor and insulator
A metal alloy that conducts half as well as copper
A conductor coated with a thin insulating layer
An insulator that breaks down at low voltage
Qu'est-ce qu'un semi-conducteur ?
Un matériau comme le silicium, entre conducteur et isolant
Un alliage qui conduit deux fois moins bien que le cuivre
Un conducteur recouvert d'une fine couche isolante
Un isolant qui claque sous une faible tension

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
Elle est divisée par quatre

Which unit of electrical energy is used on electricity bills to charge for the use of a station's power supply?
The kilowatt-hour
The kilowatt
The ampere-hour
The kilovolt-ampere
En quelle unité d'énergie électrique les factures comptent-elles la consommation d'une station ?
Le kilowattheure
Le kilowatt
L'ampère-heure
Le kilovoltampère
""")

S02 = c.ohm_i([(12, 240), (230, 46000)]) + c.ohm_v([("0.02", 470), ("0.003", 2200)]) + parse("""
What does Ohm's law state?
Current is proportional to voltage: V = I × R
Power is proportional to voltage: P = V × R
Resistance is proportional to current: R = V × I
Current is proportional to resistance: V = I / R
Que dit la loi d'Ohm ?
Le courant est proportionnel à la tension : U = R × I
La puissance est proportionnelle à la tension : P = U × R
La résistance est proportionnelle au courant : R = U × I
Le courant est proportionnel à la résistance : U = I / R

The voltage applied across a fixed resistor is doubled while its temperature stays constant. What happens to the current?
It is multiplied by two
It halves
It stays the same
It is multiplied by four
On double la tension aux bornes d'une résistance fixe, à température constante. Que devient le courant ?
Il est multiplié par deux
Il diminue de moitié
Il reste le même
Il est multiplié par quatre

In a circuit fed from a constant voltage, a resistor is replaced by one of twice the value. What happens to the current?
It halves
It doubles
It stays the same
It falls to a quarter
Dans un circuit sous tension constante, on remplace une résistance par une autre de valeur double. Que devient le courant ?
Il diminue de moitié
Il double
Il reste le même
Il est divisé par quatre

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
The watt
The joule
The watt-hour
The ampere-hour
Dans le système international d'unités, en quelle unité mesure-t-on une puissance électrique, comme celle d'un émetteur ?
Le watt
Le joule
Le wattheure
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
It is multiplied by four
It doubles
It is multiplied by 1.4
It halves
On double le courant dans une résistance fixe. Comment varie la puissance qu'elle dissipe en chaleur ?
Elle est multipliée par quatre
Elle double
Elle est multipliée par 1,4
Elle diminue de moitié

A resistor in a dummy load gets hot in use. What happens to the electrical power dissipated in a resistor?
It is turned into heat
It is stored as electric charge
It is radiated away as radio waves
It is returned to the supply
Une résistance de charge fictive chauffe en fonctionnement. Que devient la puissance électrique dissipée dans une résistance ?
Elle devient de la chaleur
Elle est stockée sous forme de charges
Elle est rayonnée en ondes radio
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
It rises by a factor of 1.4
It stays the same
La tension HF mesurée sur la charge fixe de 50 ohms d'un émetteur double. Comment varie la puissance de sortie ?
Elle est multipliée par quatre
Elle double
Elle augmente d'un facteur 1,4
Elle reste la même

A 100 W work lamp in the shack is left switched on for 5 hours. How much electrical energy does it use?
0.5 kWh
0.02 kWh
5 kWh
500 kWh
Une lampe de travail de 100 W reste allumée 5 heures dans la station. Quelle énergie électrique consomme-t-elle ?
0,5 kWh
0,02 kWh
5 kWh
500 kWh

Why does a resistor of too low a power rating overheat even though its resistance value is correct?
It must dissipate more heat than it can shed
Its resistance falls, so more current flows
Its rating limits the voltage, not the heat
Its resistance rises and it draws more power
Pourquoi une résistance de puissance nominale trop faible surchauffe-t-elle, même si sa valeur est correcte ?
Elle doit dissiper plus de chaleur qu'elle n'en évacue
Sa résistance baisse et le courant augmente
Sa puissance nominale limite la tension, pas la chaleur
Sa résistance monte et elle absorbe plus de puissance
""")

S05 = c.divider([(12, 1000, 2000), (9, 2000, 1000), (15, 4700, 10000)]) + parse("""
What does Kirchhoff's current law state?
Currents into a junction equal those out
Voltages around a junction add up to zero
The power is the current times the voltage
The sum of the resistances in a loop is zero
Que dit la loi des nœuds de Kirchhoff ?
Les courants entrant dans un nœud égalent ceux qui en sortent
Les tensions autour d'un nœud ont une somme nulle
La puissance est le produit du courant par la tension
La somme des résistances d'une maille est nulle

What does Kirchhoff's voltage law state?
Around a closed loop, voltage rises equal voltage drops
The current is the same in every branch of a parallel circuit
The voltage is the same across every part of a series circuit
The voltage is the same at every point of a closed loop
Que dit la loi des mailles de Kirchhoff ?
Dans une boucle fermée, élévations et chutes de tension s'équilibrent
Le courant est le même dans toutes les branches d'un circuit parallèle
La tension est la même aux bornes de chaque élément d'un circuit série
Le potentiel est le même en tout point d'une boucle fermée

Three resistors of equal value are connected in series across a 9 V supply. What voltage appears across each of them?
3 V
4.5 V
6 V
9 V
Trois résistances de même valeur sont montées en série sur une alimentation de 9 V. Quelle tension apparaît aux bornes de chacune ?
3 V
4,5 V
6 V
9 V

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
The load adds resistance in series with the top resistor
The load draws current that lowers the supply voltage
The load in parallel lowers the top resistance
Pourquoi la tension de sortie d'un pont diviseur baisse-t-elle quand on y branche une charge ?
La charge en parallèle abaisse la résistance du bas
La charge s'ajoute en série à la résistance du haut
La charge tire un courant qui abaisse l'alimentation
La charge en parallèle abaisse la résistance du haut

Three lamps are wired in series and one burns out. What happens?
All three go out, as the circuit is broken
Only the faulty lamp goes out
The other two get brighter, sharing its voltage
The other two dim as their share of voltage falls
Trois lampes sont câblées en série et l'une grille. Que se passe-t-il ?
Toutes les trois s'éteignent, le circuit étant ouvert
Seule la lampe défectueuse s'éteint
Les deux autres brillent plus, se partageant sa tension
Les deux autres faiblissent, leur part de tension baissant

What is the internal resistance of a battery, and what effect does it have?
Its own resistance, which makes the voltage sag
A resistor fitted inside to limit short-circuit current
The resistance between its terminals once it is flat
Its resistance to charging, which matters only on charge
Qu'est-ce que la résistance interne d'une batterie, et qu'entraîne-t-elle ?
Sa résistance propre, qui fait chuter la tension
Une résistance montée dedans pour limiter le court-circuit
La résistance entre ses bornes une fois déchargée
Sa résistance à la recharge, qui ne joue qu'en recharge
""")

S06 = c.period([("T", 1000), ("f", "0.000001"), ("T", 50)]) + c.rms_peak([("peak", 230), ("pp", 10), ("rms", 100)]) + parse("""
What is the frequency of an alternating current?
The number of cycles per second, in hertz
The highest voltage it reaches, in volts
The time taken by one cycle, in seconds
The number of electrons flowing per second
Qu'est-ce que la fréquence d'un courant alternatif ?
Le nombre de cycles par seconde, en hertz
La tension la plus haute atteinte, en volts
La durée d'un cycle, en secondes
Le nombre d'électrons passant par seconde

A mains supply is rated 230 V RMS. What does the RMS figure tell you?
It heats a resistor as much as 230 V DC would
It is the highest value the voltage reaches
It is the average over the positive half-cycle
It is the voltage between the two peaks
Le secteur est donné pour 230 V efficaces. Que dit cette valeur efficace ?
C'est la tension continue de même effet thermique
C'est la valeur la plus haute atteinte par la tension
C'est la moyenne sur l'alternance positive
C'est la tension entre les deux crêtes

The audio stages of a receiver only need to pass frequencies that people can hear. What is the range of human hearing, roughly?
About 20 Hz to 20 kHz
About 300 Hz to 3 kHz
About 20 kHz to 200 kHz
About 2 Hz to 2 kHz
Les étages audio d'un récepteur n'ont à passer que les fréquences audibles. Quelle est, environ, la plage d'audition humaine ?
Environ 20 Hz à 20 kHz
Environ 300 Hz à 3 kHz
Environ 20 kHz à 200 kHz
Environ 2 Hz à 2 kHz

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
A coil's or capacitor's opposition to AC
The resistance of a wire to DC, in ohms
The power lost in a resistor, in watts
The ability of a circuit to store charge, in farads
Qu'est-ce que la réactance ?
L'opposition d'une self ou d'une capacité à l'alternatif
La résistance d'un fil au continu, en ohms
La puissance perdue dans une résistance, en watts
L'aptitude d'un circuit à stocker des charges, en farads

A coil is used in a filter. How does its inductive reactance change when the signal frequency rises?
It rises in proportion to the frequency
It decreases in proportion to the frequency
It rises with the square of the frequency
It stays the same
Une bobine est utilisée dans un filtre. Comment varie sa réactance inductive quand la fréquence du signal augmente ?
Elle croît comme la fréquence
Elle diminue proportionnellement à la fréquence
Elle augmente comme le carré de la fréquence
Elle reste la même

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
Une bobine idéale est faite d'un fil sans résistance. Quelle réactance présente-t-elle à un courant continu constant ?
Nulle
Infinie
Celle qu'elle a à 50 Hz
Elle dépend de la tension

In a pure inductance, how does the current compare with the voltage?
The current lags the voltage by 90 degrees
The current leads the voltage by 90 degrees
They are in phase
The current lags the voltage by 180 degrees
Dans une inductance pure, comment le courant se situe-t-il par rapport à la tension ?
Le courant est en retard de 90 degrés sur la tension
Le courant est en avance de 90 degrés sur la tension
Ils sont en phase
Le courant est en retard de 180 degrés

Why does an inductor pass low frequencies more easily than high frequencies?
Its reactance rises with frequency
Its DC resistance rises with frequency
It stores more charge at low frequencies
Its core saturates at high frequencies
Pourquoi une bobine laisse-t-elle passer plus facilement les basses fréquences que les hautes ?
Sa réactance croît avec la fréquence
Sa résistance en continu croît avec la fréquence
Elle stocke plus de charges aux basses fréquences
Son noyau sature aux hautes fréquences
""")

S08 = c.xc([(7000000, "0.0000000001"), (1000, "0.000001"), (14000000, "0.00000001")]) + parse("""
A capacitor is used to bypass a supply line. How does its capacitive reactance change when the signal frequency rises?
It falls in inverse proportion to frequency
It increases in proportion to the frequency
It decreases with the square of the frequency
It falls to zero above a few MHz
Un condensateur sert à découpler une ligne d'alimentation. Comment varie sa réactance capacitive quand la fréquence augmente ?
Elle varie comme l'inverse de la fréquence
Elle augmente proportionnellement à la fréquence
Elle diminue comme le carré de la fréquence
Elle tombe à zéro au-delà de quelques MHz

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
The current leads the voltage by 180 degrees
Dans une capacité pure, comment le courant se situe-t-il par rapport à la tension ?
Le courant est en avance de 90 degrés sur la tension
Le courant est en retard de 90 degrés sur la tension
Ils sont en phase
Le courant est en avance de 180 degrés

Why is a capacitor used to couple an audio signal from one stage to the next?
It passes the AC signal and blocks the DC
It passes the DC bias on to the next stage
It sets the gain of the next stage
It filters out the higher audio frequencies
Pourquoi utilise-t-on un condensateur pour transmettre un signal audio d'un étage au suivant ?
Il passe l'alternatif et bloque le continu
Il transmet la polarisation continue à l'étage suivant
Il fixe le gain de l'étage suivant
Il élimine les fréquences audio aiguës

A coupling capacitor is replaced by one of twice the capacitance, the frequency staying the same. How does its reactance change?
It halves
It doubles
It stays the same
It falls to a quarter
On remplace un condensateur de liaison par un autre de capacité double, à fréquence égale. Comment varie sa réactance ?
Elle diminue de moitié
Elle double
Elle reste la même
Elle est divisée par quatre

Why does a decoupling capacitor across a supply line short out RF but not the DC supply?
Its reactance is low at RF, and it blocks DC
It has zero resistance at every frequency
It stores the DC and releases the RF into the line
It converts RF into heat through its leads
Pourquoi un condensateur de découplage sur une ligne d'alimentation court-circuite-t-il la HF mais pas le continu ?
Sa réactance est faible en HF, et il bloque le continu
Sa résistance est nulle à toutes les fréquences, continu compris
Il stocke le continu et renvoie la HF dans la ligne
Il transforme la HF en chaleur par ses pattes
""")

S09 = parse("""
Antennas, feed lines and transmitters are all described by an impedance in ohms. What is impedance?
The total opposition to AC: resistance and reactance
Resistance measured with DC only, at room temperature
The reactance of a capacitor alone, at 50 Hz
The power lost in an inductor, expressed in ohms
Antennes, lignes et émetteurs sont tous décrits par une impédance en ohms. Qu'est-ce que l'impédance ?
La résistance et la réactance prises ensemble
La résistance mesurée en continu seulement, à l'ambiante
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
Their voltages are 90 degrees out of phase
Because a coil's reactance is not measured in ohms
Because the resistor's value changes with frequency
It can; at any one frequency they simply add
Pourquoi ne peut-on pas trouver l'impédance d'une résistance et d'une bobine en série en additionnant les ohms ?
Leurs tensions sont déphasées de 90 degrés
La réactance d'une bobine ne se mesure pas en ohms
La valeur de la résistance varie avec la fréquence
C'est possible ; à une fréquence donnée elles s'additionnent

In a circuit with inductive and capacitive reactance in series, what happens to the two reactances?
They partly cancel each other out
They add, since both are measured in ohms
They multiply, as in a parallel circuit
They have no effect on each other or on the current
Dans un circuit comportant réactances inductive et capacitive en série, que deviennent ces deux réactances ?
Elles se compensent partiellement
Elles s'additionnent, étant toutes deux en ohms
Elles se multiplient, comme en parallèle
Elles n'agissent ni l'une sur l'autre ni sur le courant

Why does a 50-ohm transmitter need to see a load close to 50 ohms?
To give full power without damage
Any other load makes its frequency drift
50 ohms is the impedance of free space
A 50-ohm load filters out its harmonics
Pourquoi un émetteur de 50 ohms doit-il voir une charge proche de 50 ohms ?
Pour donner toute sa puissance sans dommage
Toute autre charge fait dériver sa fréquence
50 ohms est l'impédance du vide
Une charge de 50 ohms filtre ses harmoniques

What is meant by "matching" a load to a source?
Giving the load the impedance the source needs
Giving the load the power rating of the source
Making the feed line exactly one wavelength long
Setting the load's voltage equal to the source's
Que signifie « adapter » une charge à une source ?
Donner à la charge l'impédance que demande la source
Donner à la charge la puissance nominale de la source
Rendre la ligne longue d'exactement une longueur d'onde
Rendre la tension de la charge égale à celle de la source

Which device is used to change one impedance into another, for example to connect a 200-ohm antenna to a 50-ohm line?
A matching transformer of suitable ratio
An RF choke in series with the line
A low-pass filter on the feed line
A voltage regulator on the feed line
Quel dispositif sert à transformer une impédance en une autre, par exemple pour relier une antenne de 200 ohms à une ligne de 50 ohms ?
Un transformateur d'adaptation au bon rapport
Une self de choc en série avec la ligne
Un filtre passe-bas sur la ligne
Un régulateur de tension sur la ligne

A matching transformer has a turns ratio of 2:1. By what factor does it transform impedance, for example at the feed point of an antenna?
By 4, the square of the turns ratio
By 2, the same as the turns ratio
By 1, as impedance is not transformed
By 0.5, the inverse of the turns ratio
Un transformateur d'adaptation a un rapport de spires de 2:1. Par quel facteur transforme-t-il l'impédance, par exemple au pied d'une antenne ?
Par 4, le carré du rapport de spires
Par 2, comme le rapport de spires
Par 1, l'impédance n'étant pas transformée
Par 0,5, l'inverse du rapport de spires

When is maximum power transferred from a source to a resistive load?
When load and source resistances are equal
When the load resistance is as low as possible
When the load resistance is infinite
When the load resistance is ten times the source resistance
Quand le transfert de puissance d'une source vers une charge résistive est-il maximal ?
Quand charge et source ont la même résistance
Quand la résistance de charge est la plus basse possible
Quand la résistance de charge est infinie
Quand la résistance de charge vaut dix fois celle de la source
""")

S10 = c.resonance([("0.000001", "0.00000000047"), ("0.000002", "0.000000000125"), ("0.0001", "0.0000000005")]) + c.bandwidth_q([(7000000, 70), (3600000, 120), (14100000, 50)]) + parse("""
What happens at the resonant frequency of a circuit containing inductance and capacitance?
The inductive and capacitive reactances are equal
The resistance becomes infinite
The capacitor and the inductor both have zero reactance
The current and voltage are 90 degrees apart
Que se passe-t-il à la fréquence de résonance d'un circuit comportant inductance et capacité ?
Les réactances inductive et capacitive sont égales
La résistance devient infinie
Le condensateur et la bobine ont une réactance nulle
Le courant et la tension sont déphasés de 90 degrés

An inductor and a capacitor are connected in series. What is the impedance of this series tuned circuit at its resonant frequency?
Minimum, equal to the circuit's resistance
Maximum, ideally infinite
Equal to twice the inductive reactance
Equal to the inductive reactance
Une bobine et un condensateur sont montés en série. Quelle est l'impédance de ce circuit accordé à la résonance ?
Minimale, égale à la résistance du circuit
Maximale, idéalement infinie
Égale au double de la réactance inductive
Égale à la réactance inductive

An inductor and a capacitor are connected in parallel. What is the impedance of this parallel tuned circuit at its resonant frequency?
Maximum, ideally very high
Minimum, ideally zero
Equal to the capacitive reactance
Equal to the circuit's resistance
Une bobine et un condensateur sont montés en parallèle. Quelle est l'impédance de ce circuit accordé à la résonance ?
Maximale, idéalement très élevée
Minimale, idéalement nulle
Égale à la réactance capacitive
Égale à la résistance du circuit

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
A power ratio on a logarithmic scale
An absolute power level, in watts
A frequency difference, in hertz
A resistance measured at radio frequencies
En radio, gains, pertes et niveaux sont souvent donnés en décibels. Qu'exprime le décibel ?
Un rapport de puissances, en échelle logarithmique
Une puissance absolue, en watts
Un écart de fréquence, en hertz
Une résistance mesurée en haute fréquence

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
In dB, the figures simply add up
Gains in dB multiply, which is easy to do
Decibels make every gain a whole number
A decibel is a fixed power of one watt
Pourquoi les décibels sont-ils pratiques pour calculer une chaîne de gains et de pertes ?
En dB, les valeurs s'additionnent simplement
Les gains en dB se multiplient, ce qui est facile
Les décibels rendent chaque gain entier
Un décibel est une puissance fixe d'un watt

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
10 dB, a factor of ten in power
3 dB, a factor of two in power
1 dB, about a quarter more power
Par convention, un point S d'un S-mètre HF bien étalonné correspond à combien de décibels de variation du signal ?
6 dB, soit un facteur quatre en puissance
10 dB, soit un facteur dix en puissance
3 dB, soit un facteur deux en puissance
1 dB, soit environ un quart de puissance en plus

A station reduces its power from 100 W to 25 W. Taking 6 dB per S-unit, by how much does its signal fall on your S-meter?
One S-unit, as a quarter of the power is 6 dB
Two S-units, one for each halving of the power
Three S-units, from the 75 W that was cut
Four S-units, one for every 25 W taken off
Une station réduit sa puissance de 100 W à 25 W. À 6 dB par point S, de combien son signal baisse-t-il sur votre S-mètre ?
Un point S : un quart de puissance fait 6 dB
Deux points S, un par moitié de puissance
Trois points S, pour les 75 W ôtés
Quatre points S, un par tranche de 25 W

What does a negative figure in decibels, such as -3 dB, describe?
A loss: less comes out than goes in
A gain, the sign showing its direction
A power of minus 3 W, drawn from the load
An error in the measurement of the level
Que décrit une valeur négative en décibels, comme -3 dB ?
Une perte : la sortie est plus faible que l'entrée
Un gain, le signe donnant son sens
Une puissance de moins 3 W, prise à la charge
Une erreur dans la mesure du niveau
""")

S13 = c.time_constant([(22000, "0.00001"), (1000000, "0.0000001"), (4700, "0.00000001")]) + parse("""
What is the time constant of a resistor-capacitor circuit?
The time to charge to about 63 % of the applied voltage
The time for the capacitor to charge fully to the applied voltage
The time for one cycle of oscillation
The time to charge to half the applied voltage
Qu'est-ce que la constante de temps d'un circuit résistance-condensateur ?
Le temps de charge à 63 % de la tension appliquée
Le temps de charge complète à la tension appliquée
La durée d'un cycle d'oscillation
Le temps de charge à la moitié de la tension appliquée

A capacitor charges through a resistor from a fixed voltage. After about how many time constants is it considered practically fully charged?
Five
One
Two
Three
Un condensateur se charge à travers une résistance sous tension fixe. Au bout de combien de constantes de temps est-il pratiquement chargé ?
Cinq
Une
Deux
Trois

What does a low-pass filter do?
It passes frequencies below its cut-off
It passes frequencies above its cut-off
It passes a narrow band around its cut-off
It attenuates frequencies below its cut-off
Que fait un filtre passe-bas ?
Il laisse passer les fréquences sous sa coupure
Il laisse passer les fréquences au-dessus de sa coupure
Il laisse passer une bande étroite autour de sa coupure
Il atténue les fréquences sous sa coupure

A high-pass filter is fitted at the input of a television set. What does a high-pass filter do?
It passes frequencies above its cut-off
It passes frequencies below its cut-off
It blocks a narrow band at its cut-off
It passes a narrow band above its cut-off
On monte un filtre passe-haut à l'entrée d'un téléviseur. Que fait un filtre passe-haut ?
Il laisse passer les fréquences au-dessus de sa coupure
Il laisse passer les fréquences sous sa coupure
Il bloque une bande étroite à sa coupure
Il laisse passer une bande étroite au-dessus de sa coupure

What does a band-pass filter do?
It passes a range of frequencies, rejecting both sides
It blocks a range of frequencies, passing both sides
It passes everything above a set frequency
It passes the band below a set frequency
Que fait un filtre passe-bande ?
Il laisse passer une gamme et rejette de part et d'autre
Il bloque une gamme de fréquences et laisse passer les deux côtés
Il laisse passer tout ce qui dépasse une fréquence donnée
Il laisse passer la bande sous une fréquence donnée

What is a notch (band-stop) filter used for?
Removing a narrow band, such as a tone
Passing one narrow band and rejecting the rest
Raising the gain at one chosen audio frequency
Cutting the frequencies above a set point
À quoi sert un filtre réjecteur (coupe-bande) ?
À éliminer une bande étroite, comme un sifflement
À passer une bande étroite et rejeter le reste
À relever le gain sur une fréquence audio choisie
À couper les fréquences au-dessus d'un seuil

What is the cut-off frequency of a filter usually defined as?
The frequency at which the output has fallen by 3 dB
The frequency at which the output is zero
The frequency at which the output has fallen by 10 dB
The highest frequency it can handle without damage
Comment définit-on généralement la fréquence de coupure d'un filtre ?
La fréquence où la sortie a baissé de 3 dB
La fréquence où la sortie est nulle
La fréquence où la sortie a baissé de 10 dB
La plus haute fréquence supportée sans dommage
""")

S14 = c.efficiency([(50, "13.8", 8), (100, 50, 4), (10, 12, "1.5")]) + parse("""
Receivers and transmitters contain many amplifier stages. What is the main purpose of an amplifier?
To increase the power, voltage or current of a signal
To change the frequency of a signal to another band
To turn the supply's DC into a higher DC voltage
To store a signal for later use, as a memory does
Récepteurs et émetteurs comportent de nombreux étages amplificateurs. Quel est le but principal d'un amplificateur ?
Augmenter la puissance, la tension ou le courant
Changer la fréquence d'un signal vers une autre bande
Élever la tension continue de l'alimentation
Stocker un signal pour plus tard, comme une mémoire

A linear amplifier turns 10 W of drive into 100 W of output. Where does the extra power in the amplified signal come from?
From its power supply
From the input signal itself
From the antenna, on the reflected wave
From energy stored in the output transistors
Un amplificateur linéaire transforme 10 W d'excitation en 100 W de sortie. D'où vient la puissance supplémentaire ?
De son alimentation
Du signal d'entrée lui-même
De l'antenne, par l'onde réfléchie
D'une énergie stockée dans les transistors de sortie

What happens to power that an amplifier draws from its supply but does not deliver as signal?
It is turned into heat in the amplifier
It is returned to the supply
It is stored in the output transistor
It is radiated by the antenna as harmonics
Que devient la puissance qu'un amplificateur prend à son alimentation sans la fournir sous forme de signal ?
Elle se dissipe en chaleur sur place
Elle est renvoyée à l'alimentation
Elle est stockée dans le transistor de sortie
Elle est rayonnée en harmoniques par l'antenne

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
It is non-linear and would distort it
It cannot work at radio frequencies
Its efficiency is too low for SSB
Its output is too low for SSB peaks
Pourquoi un amplificateur en classe C ne convient-il pas à un signal BLU ?
Il est non linéaire et le déformerait
Il ne peut pas fonctionner en HF
Son rendement est trop faible pour la BLU
Sa sortie est trop faible pour les pointes BLU

What is negative feedback in an amplifier?
Output fed back in opposite phase, lowering distortion
Output fed back in phase, which makes the stage oscillate
Output fed back in opposite phase, which raises the gain
Using a negative supply voltage for the stage
Qu'est-ce que la contre-réaction dans un amplificateur ?
La sortie réinjectée en opposition, d'où moins de distorsion
La sortie réinjectée en phase, ce qui fait osciller l'étage
La sortie réinjectée en opposition de phase, ce qui élève le gain
L'emploi d'une tension d'alimentation négative

What does an oscillator need in order to keep running?
Gain, and positive feedback in phase
Gain, and negative feedback in opposite phase
A dummy load on its output
A very high supply voltage
De quoi un oscillateur a-t-il besoin pour entretenir ses oscillations ?
D'un gain et d'une réaction positive en phase
D'un gain et d'une contre-réaction en opposition de phase
D'une charge fictive en sortie
D'une tension d'alimentation très élevée
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11, S12, S13, S14]
