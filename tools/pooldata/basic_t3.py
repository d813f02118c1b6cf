"""Basic topic 3: station setup and safety."""

from basic_util import parse
import basic_calc as c

TITLE = ("Station setup and safety", "Installation de la station et s\u00e9curit\u00e9")

S01 = parse("""
What nominal DC supply voltage do most mobile and base HF transceivers need, matching a car's electrical system with the engine running?
About 13.8 V
About 9 V
About 24 V
About 5 V
De quelle tension continue nominale ont besoin la plupart des émetteurs-récepteurs HF, celle d'une voiture moteur tournant ?
Environ 13,8 V
Environ 9 V
Environ 24 V
Environ 5 V

A 100 W HF transceiver draws about 1.5 A on receive. What current should its 13.8 V power supply be able to deliver?
About 20 A or more, for the transmit current peaks
About 2 A, the receive current plus a margin
About 7 A, that is 100 W divided by 13.8 V
About 100 A, one ampere per watt of output
Un émetteur-récepteur HF de 100 W consomme environ 1,5 A en réception. Quel courant son alimentation de 13,8 V doit-elle pouvoir fournir ?
Environ 20 A ou plus, pour les crêtes d'émission
Environ 2 A, le courant de réception plus une marge
Environ 7 A, soit 100 W divisés par 13,8 V
Environ 100 A, un ampère par watt de sortie

A portable station draws 20 A on transmit from a battery of 0.05 ohm internal resistance, through two leads of 0.015 ohm each. By how much does the voltage at the radio fall?
1.6 V
1.3 V
1 V
0.6 V
Une station portable consomme 20 A en émission sur une batterie de 0,05 ohm de résistance interne, par deux câbles de 0,015 ohm chacun. De combien la tension baisse-t-elle au poste ?
1,6 V
1,3 V
1 V
0,6 V

What is the advantage of a switch-mode power supply over a linear supply with a heavy transformer?
It is smaller and lighter for the same output
It usually radiates less interference into the receiver
Its output carries less ripple and noise
Its output is smoothed without capacitors
Quel est l'avantage d'une alimentation à découpage sur une alimentation linéaire à gros transformateur ?
Elle est plus petite et plus légère à puissance égale
Elle rayonne en général moins de parasites vers le récepteur
Sa sortie présente moins d'ondulation et de bruit
Elle se passe de condensateur de filtrage en sortie

A 100 W transceiver gets very hot during long digital-mode transmissions. What is the sound remedy?
Lower the power and give it free air or a fan
Raise the supply voltage so it draws less current
Put an attenuator between the set and the antenna
Run it from a battery instead of the mains supply
Un émetteur-récepteur de 100 W chauffe beaucoup pendant de longues émissions en mode numérique. Que faut-il faire ?
Baisser la puissance et le ventiler ou le dégager
Monter la tension d'alimentation pour réduire le courant
Mettre un atténuateur entre le poste et l'antenne
L'alimenter sur batterie plutôt que sur le secteur

A petrol generator powers a field station for a weekend. Where should it run?
In the open, well away from and downwind of the tent
Inside the tent, to keep it dry and the leads short
In a closed garage nearby, which can muffle its noise
Right under the antenna, so its frame acts as earth
Un groupe électrogène à essence alimente une station de campagne pour un week-end. Où doit-il tourner ?
En plein air, loin de la tente et sous le vent
Dans la tente, pour le garder au sec avec des câbles courts
Dans un garage fermé voisin, qui peut étouffer son bruit
Juste sous l'antenne, son châssis servant de terre
""") + c.current_pv([(100, "13.8"), (40, 12), (25, "13.8")]) + parse("""
What should be in easy reach of the operator in case of an accident at the station?
A clearly marked master switch for the station
The transceiver's own front-panel power button
A switch that earths the antenna for static
A water extinguisher for electrical fires
Que doit-on trouver à portée de main de l'opérateur en cas d'accident à la station ?
Un interrupteur bien repéré qui coupe tout le courant
Le bouton marche-arrêt en façade de l'émetteur-récepteur
Un inverseur qui met l'antenne à la terre
Un extincteur à eau pour les feux électriques
""")

S02 = parse("""
Why is mains electricity dangerous to the human body?
Current through the body, mainly through the heart, can kill
Its voltage harms the body even where no current can flow
It is dangerous only above 1000 V, as on overhead lines
At 50 Hz it upsets the nerves, while a DC supply is harmless
Pourquoi l'électricité du secteur est-elle dangereuse pour le corps humain ?
Un courant dans le corps, surtout par le cœur, peut tuer
Sa tension blesse le corps même sans passage de courant
Elle n'est dangereuse qu'au-dessus de 1000 V, comme sur les lignes
À 50 Hz elle peut dérégler les nerfs, alors que le continu est sans danger

What is the first thing to do if someone is in contact with a live mains conductor?
Cut the power, or free them with a dry insulator
Pull the person clear with your bare hands at once
Wait for the fuse or the breaker to cut the supply
Start heart massage before touching the supply
Que faire en premier si une personne est en contact avec un conducteur sous tension du secteur ?
Couper le courant ou la dégager avec un isolant sec
Tirer aussitôt la personne à mains nues
Attendre que le fusible ou le disjoncteur coupe le courant
Commencer un massage cardiaque avant de couper le courant

Why should you work on equipment only after unplugging it from the mains?
The switch may leave mains voltage inside
The mains could add hum to your measurements
The earth lead carries current while plugged in
It lets the filter capacitors charge up safely
Pourquoi ne travailler sur un appareil qu'après l'avoir débranché du secteur ?
L'interrupteur peut laisser le secteur à l'intérieur
Le secteur pourrait ajouter du ronflement aux mesures
Le fil de terre est parcouru par du courant s'il est branché
Cela laisse les condensateurs de filtrage se charger sans risque

Why can a power supply still give a dangerous shock after it has been unplugged?
Its filter capacitors can stay charged to a high voltage
Its transformer goes on producing current for some hours
Its mains lead holds a charge, much like a battery
Its transistors go on conducting until they have cooled down
Pourquoi une alimentation peut-elle encore provoquer un choc dangereux après avoir été débranchée ?
Ses condensateurs peuvent rester chargés à haute tension
Son transformateur continue à produire du courant quelques heures
Son cordon secteur peut garder une charge, comme une batterie
Ses transistors restent conducteurs tant qu'ils n'ont pas refroidi

What is the purpose of a bleeder resistor across the filter capacitors of a high-voltage supply?
To discharge the capacitors at switch-off
To limit the inrush current at switch-on
To reduce the hum that can appear on the output
To set the output voltage of the regulator
À quoi sert une résistance de décharge aux bornes des condensateurs de filtrage d'une alimentation haute tension ?
À décharger les condensateurs après l'arrêt
À limiter l'appel de courant à la mise en marche
À réduire le ronflement qui peut apparaître en sortie
À fixer la tension de sortie du régulateur

Why is it wise to work with one hand only when measuring inside live high-voltage equipment?
It keeps a shock current from crossing the chest and heart
It steadies the probe for a more accurate reading
Your body then adds less capacitance to the circuit
The meter can read wrongly if both hands touch it
Pourquoi est-il prudent de ne travailler que d'une main en mesurant dans un appareil haute tension sous tension ?
Cela évite un passage du courant par la poitrine
Cela stabilise la pointe et rend la mesure plus précise
Le corps ajoute alors moins de capacité au circuit
Le multimètre peut se tromper si les deux mains le touchent

Which of these is a sign that a mains lead must be replaced?
Its sheath is cracked or the wires inside show
It is longer than the lead supplied with the set
Its plug is moulded on and cannot be opened
It feels slightly warm after hours of light use
Lequel de ces signes indique qu'un cordon secteur doit être remplacé ?
Sa gaine est fendue ou ses fils sont visibles
Il est plus long que le cordon livré avec l'appareil
Sa fiche est surmoulée et ne peut pas être ouverte
Il est un peu tiède après des heures à faible charge

What is the role of the protective earth conductor in a mains lead?
It earths metal cases, so a fault blows the fuse
It carries the return current, like the neutral
It mainly drains radio interference from the set
It gives the antenna a return path for the RF
Quel est le rôle du conducteur de protection (terre) d'un cordon secteur ?
Il relie les boîtiers à la terre : un défaut fait fondre le fusible
Il ramène le courant vers le secteur en service normal, comme le neutre
Il évacue surtout vers la terre les parasites radio
Il offre à l'antenne un chemin de retour pour la HF

Which current through the body, from one hand to the other, can already upset the rhythm of the heart?
A few tens of milliamperes
A few hundred microamperes
Several amperes at the very least
At least a few hundred amperes
Quel courant traversant le corps d'une main à l'autre peut déjà dérégler le rythme du cœur ?
Quelques dizaines de milliampères
Quelques centaines de microampères
Plusieurs ampères au minimum
Quelques centaines d'ampères au moins

Why must the earth pin of a mains plug never be cut off or bypassed?
A faulty case would be live, with nothing to trip
The set would then draw its current through its case
The neutral would then carry twice the current
The fuse would then blow at every switch-on
Pourquoi ne faut-il jamais couper ni neutraliser la broche de terre d'une fiche secteur ?
Un boîtier en défaut resterait sous tension sans protection
L'appareil prendrait alors son courant par le boîtier métallique
Le neutre porterait alors un courant double
Le fusible fondrait alors à chaque mise en marche
""")

S03 = parse("""
Every power lead in the station should be fused. What does a fuse do?
It melts and opens the circuit when the current is too high
It holds the supply voltage steady under a changing load
It can store energy for the current peaks on transmit
It filters RF interference out of the supply lead
Chaque câble d'alimentation de la station devrait être protégé par un fusible. Que fait un fusible ?
Il fond et ouvre le circuit quand le courant est trop fort
Il maintient la tension stable quand la charge varie
Il peut stocker de l'énergie pour les pointes d'émission
Il filtre les parasites HF du câble d'alimentation

Why must a blown fuse be replaced by one of the same rating, not a larger one?
A larger fuse may let a fault current start a fire
A larger fuse may drop more voltage and lower the power
A larger fuse adds inductance that upsets the RF
A larger fuse blows sooner, as it heats up faster
Pourquoi remplacer un fusible fondu par un fusible de même calibre, et non plus fort ?
Un fusible plus fort peut laisser un défaut mettre le feu
Un fusible plus fort peut faire chuter la tension et la puissance
Un fusible plus fort ajoute une inductance qui perturbe la HF
Un fusible plus fort fond plus tôt, car il chauffe plus vite

In a DC lead from a car battery, where should the fuse be fitted?
In the positive lead, near the battery
In the positive lead, close to the radio
In the negative lead, close to the radio
In the negative lead, close to the battery
Sur un câble continu venant d'une batterie de voiture, où placer le fusible ?
Sur le fil positif, près de la batterie
Sur le fil positif, au plus près du poste
Sur le fil négatif, au plus près du poste
Sur le fil négatif, près de la batterie

What does a residual current device (RCD) detect?
A difference between live and neutral currents
A current larger than the rating of the circuit
A mains voltage above its normal rated value
RF current that may flow back into the mains wiring
Que détecte un dispositif différentiel ?
Un écart entre les courants de phase et de neutre
Un courant supérieur au calibre du circuit
Une tension secteur au-dessus de sa valeur nominale
Un courant HF qui peut revenir dans le réseau électrique

A fuse in your power supply blows repeatedly. What should you do?
Find and repair the fault that causes the overcurrent
Fit a fuse of twice the rating for full power
Wire a second fuse of equal rating in parallel
Keep replacing it, since fuses age with use
Le fusible de votre alimentation fond à répétition. Que faites-vous ?
Chercher et supprimer la cause de la surintensité
Mettre un fusible de calibre double pour la pleine puissance
Câbler en parallèle un second fusible de même calibre
Le remplacer chaque fois, car les fusibles s'usent

A station has an RF ground as well as the mains safety earth. How do the two compare?
Each has its own job; the RF ground never replaces the mains earth
They do the same job, so either one can replace the other
The mains earth should be removed once an RF ground is fitted
The RF ground protects against shock, the mains earth against RF
Une station a une terre HF en plus de la terre de sécurité du secteur. Comment les deux se comparent-elles ?
Chacune a son rôle ; la terre HF ne remplace jamais celle du secteur
Elles ont le même rôle, et l'une peut remplacer l'autre
La terre du secteur doit être retirée dès qu'il y a une terre HF
La terre HF protège des chocs, la terre du secteur de la HF

A transceiver draws up to 20 A on transmit through a DC lead rated for 30 A. Which fuse suits this lead?
25 A, above the set's peak and below the lead's rating
15 A, a safe margin below the set's peak current
40 A, a margin above the lead's rating, to avoid nuisance blowing
5 A, as the set draws only about 1.5 A on receive
Un émetteur-récepteur consomme jusqu'à 20 A en émission par un câble continu prévu pour 30 A. Quel fusible convient à ce câble ?
25 A, au-dessus de la pointe du poste, sous le calibre du câble
15 A, une marge sûre sous le courant de pointe du poste
40 A, au-dessus du calibre du câble, pour qu'il ne fonde pas pour rien
5 A, suffisant pour le courant de réception du poste

What is a circuit breaker?
A switch that opens on overcurrent and can be reset
A switch that opens when the mains voltage is too high
A fuse that opens once and must then be replaced
A switch that can cut the power after a set time
Qu'est-ce qu'un disjoncteur ?
Un interrupteur qui s'ouvre sur surintensité et se réarme
Un interrupteur qui s'ouvre si la tension secteur est trop haute
Un fusible qui s'ouvre une fois et doit être remplacé
Un interrupteur qui coupe le courant après un temps réglé

Why should a home-made power supply have its mains side fully enclosed?
So that nobody can touch live mains parts
So that its fuse can be left out of the design
To stop the mains hum from reaching the audio
So that its transformer can run without cooling
Pourquoi la partie secteur d'une alimentation de fabrication personnelle doit-elle être entièrement enfermée ?
Pour que nul ne touche une pièce sous tension secteur
Pour pouvoir se passer de fusible dans le montage
Pour empêcher le ronflement du secteur d'atteindre l'audio
Pour que le transformateur fonctionne sans refroidissement
""")

S04 = parse("""
A 12 V lead-acid battery has been fully charged and then left to rest for some hours. What voltage does it show with no load?
About 12.7 V
About 13.2 V
About 13.8 V
About 14.4 V
Une batterie au plomb de 12 V, complètement chargée, a reposé quelques heures. Quelle tension présente-t-elle à vide ?
Environ 12,7 V
Environ 13,2 V
Environ 13,8 V
Environ 14,4 V

Why must a lead-acid battery be charged in a well-ventilated place?
It can give off explosive hydrogen while charging
It may give off carbon monoxide gas while charging
It takes oxygen from the air to store its charge
Its acid boils off unless cool air flows over it
Pourquoi faut-il charger une batterie au plomb dans un endroit bien ventilé ?
Elle peut dégager de l'hydrogène explosif en charge
Elle peut dégager du monoxyde de carbone pendant la charge
Elle prend l'oxygène de l'air pour stocker sa charge
Son acide s'évapore si l'air frais ne circule pas

What may happen if the terminals of a large battery are short-circuited by a spanner?
Huge current, sparks, burns, even an explosion
Only a small current, held down by its internal resistance
It goes flat quietly over some hours, without heat
The fuse in the radio's lead blows and ends the short
Que peut-il se passer si les bornes d'une grosse batterie sont court-circuitées par une clé ?
Un courant énorme, étincelles, brûlures, voire explosion
Un faible courant, limité par sa résistance interne
Elle se décharge sans bruit en quelques heures, sans chauffer
Le fusible du câble de la radio fond et supprime le court-circuit

Why do lithium batteries need a protection circuit or a suitable charger?
Overcharge, deep discharge or a short can start a fire
The circuit raises each cell to the 12 V the radio needs
Without one they can discharge by themselves in hours
It lets them be charged from a lead-acid charger
Pourquoi les batteries au lithium exigent-elles un circuit de protection ou un chargeur adapté ?
Surcharge, décharge profonde ou court-circuit peuvent causer un incendie
Le circuit élève les éléments aux 12 V de la radio
Sans lui elles peuvent se décharger d'elles-mêmes en quelques heures
Il permet de les recharger sans risque avec un chargeur pour batterie au plomb

A "12 V" lithium iron phosphate (LiFePO4) battery is built from cells of 3.2 V nominal. How are its cells arranged?
Four cells in series, for 12.8 V nominal
Four cells in parallel, for 12.8 V nominal
Six cells in series, as in a lead-acid battery
Three cells in series, for 12 V nominal
Une batterie « 12 V » lithium-fer-phosphate (LiFePO4) est faite d'éléments de 3,2 V nominaux. Comment ses éléments sont-ils montés ?
Quatre éléments en série, soit 12,8 V nominaux
Quatre éléments en parallèle, soit 12,8 V nominaux
Six éléments en série, comme une batterie au plomb
Trois éléments en série, soit 12 V nominaux
""") + c.battery([(7, "1.4"), (40, "2.5"), (12, "0.8")]) + parse("""
A lead-acid battery is charged at about 14.4 V, then held on a float charge of about 13.6 V. Why not keep it at 14.4 V?
Held at 14.4 V it would overcharge, gas and dry out
A lower voltage charges it faster once it is nearly full
At 14.4 V its capacity would rise above the rated value
The float fills the last fifth of the charge that 14.4 V cannot
Une batterie au plomb est chargée vers 14,4 V, puis maintenue en floating vers 13,6 V. Pourquoi ne pas la laisser à 14,4 V ?
Maintenue à 14,4 V, elle serait surchargée, dégazerait et s'assécherait
Une tension plus basse la charge plus vite quand elle est presque pleine
À 14,4 V sa capacité dépasserait la valeur nominale
Le floating remplit le dernier cinquième que 14,4 V n'atteint pas

How much energy does a fully charged 12.8 V, 100 Ah battery hold?
1280 Wh
100 Wh
7.8 Wh
640 Wh
Quelle énergie contient une batterie de 12,8 V et 100 Ah complètement chargée ?
1280 Wh
100 Wh
7,8 Wh
640 Wh
""")

S05 = parse("""
Exposure limits exist for people near transmitting antennas. Why can strong radio-frequency fields be harmful to people?
They can heat the tissues of the body
They can ionise atoms in the tissue, like X-rays
They build up a static charge in the body
They magnetise the iron carried in the blood
Pourquoi des champs HF intenses sont-ils nocifs pour les personnes proches des antennes ?
Ils peuvent échauffer les tissus du corps
Ils ionisent les atomes des tissus, comme les rayons X
Ils chargent le corps d'électricité statique
Ils aimantent le fer contenu dans le sang

Radio waves are non-ionising radiation. What does this mean?
Each photon has too little energy to ionise an atom
The body does not absorb them at radio frequencies
They are always harmless, whatever the power
They carry no charge, so they do not heat tissue
Les ondes radio sont un rayonnement non ionisant. Qu'est-ce que cela signifie ?
Chaque photon a trop peu d'énergie pour ioniser un atome
Le corps ne les absorbe pas aux fréquences radio
Elles sont inoffensives quelles que soient puissance et distance
Elles ne portent pas de charge et n'échauffent donc pas les tissus

Which factors mainly decide the RF exposure of a person near an antenna?
Power, distance, frequency, antenna gain and time on air
Mode alone, whatever the power or the distance
The SWR and the length of the feed line
The type of feed line and its connectors
Qu'est-ce qui détermine principalement l'exposition aux RF d'une personne près d'une antenne ?
Puissance, distance, fréquence, gain d'antenne et temps d'émission
Le mode seul, quelles que soient la puissance et la distance
Le ROS du système et la longueur de sa ligne
La nature de la ligne et ses connecteurs

Why are exposure limits usually lowest in the VHF range, around 30 to 300 MHz?
The body absorbs most there, near its resonant size
VHF waves are ionising, unlike HF and UHF waves
VHF stations usually run more power than HF stations
Limits are set lowest where most radios work
Pourquoi les limites d'exposition sont-elles en général les plus basses en VHF, vers 30 à 300 MHz ?
Le corps y absorbe le plus, sa taille y étant résonante
Le rayonnement VHF est ionisant, contrairement à la HF et l'UHF
Les stations VHF émettent plus fort que les stations HF
Les limites sont plus basses là où se trouvent le plus d'émetteurs

International guidelines give a general-public reference level of 2 W/m² at 144 MHz. What is such a reference level?
A measurable value that ensures the basic limits are met
The power density at which harm to tissue has been observed
The density an antenna gives at one metre, for comparisons
The highest density a licensed transmitter may produce
Les lignes directrices internationales fixent pour le public un niveau de référence de 2 W/m² à 144 MHz. Qu'est-ce qu'un niveau de référence ?
Une valeur mesurable qui garantit le respect des limites de base
La densité de puissance à laquelle des lésions ont été observées
La densité que donne une antenne à un mètre, pour comparer
La densité la plus forte qu'un émetteur autorisé puisse produire

Exposure guidelines compare power density averaged over a set time, such as six minutes. At constant power, how does a 50 % transmit duty cycle change the exposure that counts?
It halves it compared with a steady carrier
It leaves it unchanged, as the peak level counts
It doubles it, since each burst starts at full power
It quarters it, as exposure goes with power squared
L'exposition se juge en moyenne sur une durée fixe, par exemple six minutes. À puissance constante, que change un rapport cyclique de 50 % ?
Il la divise par deux par rapport à une porteuse continue
Il ne la change pas, seule la crête comptant
Il la double, chaque salve partant à pleine puissance
Il la divise par quatre, l'exposition suivant le carré de la puissance

A 32 W transmitter feeds an antenna with a gain of 5 (about 7 dBi) with negligible loss. Using S = P × G / (4 × pi × d²), at about what distance does the power density fall to 2 W/m²?
2.5 m
1.1 m
6.4 m
8.9 m
Un émetteur de 32 W alimente sans perte notable une antenne de gain 5 (environ 7 dBi). Avec S = P × G / (4 × pi × d²), à quelle distance la densité tombe-t-elle à 2 W/m² ?
2,5 m
1,1 m
6,4 m
8,9 m
""") + c.inverse_square([(4, 2), ("0.9", 3), (5, 10)])

S06 = parse("""
Why should outdoor antennas be disconnected from the station when a thunderstorm approaches?
A nearby strike can send large surges in along the cables
Static crashes from the storm could overload the receiver
Charged clouds would raise the SWR and harm the transmitter
A connected antenna attracts strikes that would miss it otherwise
Pourquoi débrancher les antennes extérieures de la station à l'approche d'un orage ?
La foudre proche peut amener des surtensions par les câbles
Les parasites de l'orage pourraient saturer le récepteur
Les nuages chargés feraient monter le ROS et abîmeraient l'émetteur
Une antenne branchée attire la foudre qui l'éviterait sinon

What is the purpose of a lightning arrester or surge protector in the coaxial cable at the building entry?
To divert surges to earth before they reach the set
To block the RF that can enter the building in a storm
To absorb the whole energy of a direct strike as heat
To limit the transmitter's power while a storm is near
À quoi sert un parafoudre placé sur le câble coaxial à l'entrée du bâtiment ?
À dériver les surtensions à la terre avant le matériel
À bloquer la HF qui peut entrer dans le bâtiment pendant l'orage
À absorber en chaleur toute l'énergie d'un coup de foudre direct
À limiter la puissance de l'émetteur à l'approche d'un orage

Why is a single-point ground recommended for all the cables entering a station?
It keeps the grounds at one potential, so surges bypass the set
It saves copper compared with separate ground rods
It lowers the SWR of every antenna in the station
It stops the mains earth from carrying any fault current
Pourquoi recommande-t-on un point de terre unique pour tous les câbles entrant dans une station ?
Les masses restent au même potentiel, sans surtension dans le poste
Il économise du cuivre par rapport à plusieurs piquets séparés
Il abaisse le ROS de toutes les antennes de la station
Il empêche la terre du secteur d'écouler un courant de défaut

How should a ground conductor for lightning protection be run?
As short and straight as possible, without sharp bends
Coiled into a neat loop to keep the spare length tidy
Through the house to the nearest cold-water pipe
With many bends, which can slow the surge down
Comment faut-il faire cheminer un conducteur de terre de protection contre la foudre ?
Le plus court et le plus droit possible, sans coudes serrés
Enroulé en boucle soignée pour ranger la longueur en trop
À travers la maison jusqu'au tuyau d'eau froide le plus proche
Avec beaucoup de coudes, qui peuvent ralentir la surtension

Why must a metal mast or tower be properly earthed?
To give lightning a safe path to the ground
To raise the gain of the antenna it carries
So that its steel corrodes more slowly
To give the transmitter current a return path
Pourquoi un mât ou un pylône métallique doit-il être correctement relié à la terre ?
Pour offrir à la foudre un chemin vers le sol
Pour augmenter le gain de l'antenne qu'il porte
Pour que son acier rouille moins vite
Pour offrir un retour au courant de l'émetteur

Why should you never operate or touch the station during a thunderstorm overhead?
A strike may put lethal voltages on the equipment
Transmitting could draw the lightning to the antenna
The ionosphere closes in storms, so nothing gets through
The storm's field would detune the antenna for good
Pourquoi ne jamais trafiquer ni toucher la station pendant un orage au-dessus de vous ?
La foudre peut mettre le matériel à une tension mortelle
Émettre pourrait attirer la foudre sur l'antenne
L'ionosphère se ferme pendant l'orage et rien ne passe
Le champ de l'orage désaccorderait l'antenne définitivement

What is a ground rod?
A metal rod driven into the soil as an earth
A tuning rod inside the base of a vertical
A steel rod that anchors the guy wires of a mast
An insulated rod for handling high voltages
Qu'est-ce qu'un piquet de terre ?
Une tige de métal enfoncée dans le sol, reliée aux masses
Une tige d'accord au pied d'une verticale
Une tige d'acier qui ancre les haubans d'un mât
Une perche isolante pour manipuler les hautes tensions

Why should a separate station ground rod be bonded to the building's electrical earth?
So that a surge cannot lift one earth far above the other
So that the antenna can work on more bands with a lower SWR
So that the station rod can replace the mains earth
So that the house's fuses also protect the antenna
Pourquoi relier une terre séparée de la station à la terre électrique du bâtiment ?
Pour qu'une surtension ne puisse pas porter une terre bien au-dessus de l'autre
Pour que l'antenne fonctionne sur plus de bandes avec un ROS plus bas
Pour que le piquet de la station remplace la terre du secteur
Pour que les fusibles de la maison protègent aussi l'antenne

What can a surge protector at the building entry achieve against a direct lightning strike on the antenna?
It lowers the risk of damage but cannot rule it out
It prevents damage if it is earthed to a good ground rod
It makes disconnecting the antenna in storms unnecessary
It prevents damage if it is rated for the transmitter power
Que peut obtenir un parafoudre placé à l'entrée du bâtiment face à un coup de foudre direct sur l'antenne ?
Il réduit le risque de dégâts sans pouvoir l'exclure
Il évite les dégâts s'il est relié à un bon piquet de terre
Il dispense de débrancher l'antenne pendant les orages
Il évite les dégâts s'il supporte la puissance de l'émetteur

You are choosing where to put up a new wire antenna and its mast. Which position is the most dangerous during installation?
Close to overhead power lines
Beside a wooden garden fence
Over a lawn with soft ground
In an open field, far from buildings
Vous choisissez où monter une nouvelle antenne filaire et son mât. Quel emplacement est le plus dangereux pour l'installation ?
Près de lignes électriques aériennes
Contre une clôture en bois
Sur une pelouse au sol meuble
En plein champ, loin des maisons
""")

S07 = parse("""
Why must an antenna and its mast be placed so that they cannot fall onto a power line?
Contact would make the mast live and deadly to touch
It would feed mains hum into the receiver until removed
The line's strong field would detune the antenna
The line would carry the RF away and cause interference
Pourquoi une antenne et son mât doivent-ils être placés de façon à ne pas pouvoir tomber sur une ligne électrique ?
Le contact rendrait le mât mortel à toucher
Cela mettrait du ronflement dans le récepteur jusqu'au retrait
Le fort champ de la ligne désaccorderait l'antenne
La ligne emporterait la HF et causerait des brouillages

What protective equipment is needed when climbing a tower?
A harness clipped on throughout, and helmets below
A rope tied round the waist and held from the ground
Good gloves and boots, as a harness gets in the way
A harness only on towers taller than ten metres
De quel équipement de protection a-t-on besoin pour monter sur un pylône ?
Un harnais toujours attaché, et des casques en bas
Une corde nouée à la taille et tenue depuis le sol
De bons gants et des chaussures, le harnais gênant
Un harnais seulement sur les pylônes de plus de dix mètres

A helper is working at the top of a mast. Why should nobody stand directly below?
A dropped tool or part could hit them
The mast radiates even with the set off
They would block the antenna's signal
They could detune the antenna from below
Un aide travaille en haut d'un mât. Pourquoi personne ne doit-il se tenir juste en dessous ?
Un outil ou une pièce peut tomber sur eux
Le mât rayonne même émetteur éteint
Ils bloqueraient le signal de l'antenne
Ils pourraient désaccorder l'antenne

Why should guy wires be checked regularly?
Corrosion or loose fittings can let the mast fall
Their tension sets the resonance of the antenna
They carry part of the transmitter current
Slack guys can raise the SWR seen by the transmitter
Pourquoi faut-il vérifier régulièrement les haubans ?
La corrosion ou un desserrage peut faire tomber le mât
Leur tension fixe la résonance de l'antenne
Ils transportent une partie du courant de l'émetteur
Des haubans détendus peuvent faire monter le ROS

Why should antenna wires and feeders be placed where people cannot touch them?
Touching them can cause a painful RF burn
A contact would detune the whole system for good
The wire can hold a static charge for days
Contact with them lets mains current into the set
Pourquoi placer les fils d'antenne et les descentes hors de portée des personnes ?
Leurs tensions HF peuvent brûler une personne
Un contact désaccorderait le système pour de bon
Le fil peut garder une charge statique des jours
Les toucher ferait entrer le secteur dans le poste

Before working on an antenna, what should you make sure of?
That the transmitter is switched off and disconnected
That the SWR meter is on, so faults can be seen
That the receiver is on, to hear if it still works
That the amplifier is on standby, the exciter live
Avant de travailler sur une antenne, de quoi devez-vous vous assurer ?
Que l'émetteur est éteint et débranché
Que le ROS-mètre est allumé : il peut signaler un défaut
Que le récepteur est allumé, pour entendre s'il marche
Que l'amplificateur est en attente, l'excitateur allumé

What is the safest way to raise a tall mast?
With helpers, a plan, and nobody where it could fall
With the transmitter on, to watch the SWR as it rises
By one person, so that nobody else could be hurt
In one quick pull, before the guys are fitted
Quelle est la façon la plus sûre de lever un grand mât ?
Avec des aides, un plan, et personne dans la zone de chute
Émetteur allumé, pour suivre le ROS pendant la levée
Par une seule personne, pour n'exposer personne d'autre
D'une traction rapide, avant de poser les haubans

Why does the far-field formula S = P × G / (4 × pi × d²) not give a reliable exposure figure very close to an HF antenna?
Near the antenna, E and H are not in their far-field ratio
Near the antenna, the field is weaker than the formula gives
The formula is meant for receiving, not transmitting
HF waves do not spread out until they reach the ionosphere
Pourquoi la formule de champ lointain S = P × G / (4 × pi × d²) ne donne-t-elle pas une exposition fiable très près d'une antenne HF ?
Près de l'antenne, E et H n'ont pas leur rapport de champ lointain
Près de l'antenne, le champ est plus faible que ne l'indique la formule
La formule vaut pour la réception, pas pour l'émission
Les ondes HF ne s'étalent qu'en atteignant l'ionosphère

Why is it sensible to tell someone when you are going to work on a roof or a mast?
So that help can be called if you have an accident
So that they can key the transmitter to test the SWR
So that they can enter the work in the station log
So that they can warn the neighbours of interference
Pourquoi est-il raisonnable de prévenir quelqu'un quand vous allez travailler sur un toit ou un mât ?
Pour qu'on appelle les secours en cas d'accident
Pour qu'il passe en émission afin de tester le ROS
Pour qu'il note ces travaux dans le carnet de trafic
Pour qu'il prévienne les voisins des brouillages
""")

S08 = parse("""
How is a voltmeter connected to measure the voltage across a component?
In parallel with the component
In series with the component
In series with the supply lead
With the component taken out of the circuit
Comment branche-t-on un voltmètre pour mesurer la tension aux bornes d'un composant ?
En parallèle sur le composant
En série avec le composant
En série dans le fil d'alimentation
Le composant retiré du circuit

How is an ammeter connected to measure the current in a circuit?
In series, inserted into the conductor
Across the supply, between its two terminals
In parallel with the load, across its leads
In parallel, so it sees the full voltage
Comment branche-t-on un ampèremètre pour mesurer le courant dans un circuit ?
En série, intercalé dans le conducteur
Aux bornes de l'alimentation, entre ses deux pôles
En parallèle sur la charge, entre ses bornes
En parallèle, pour qu'il voie toute la tension

Why should a good voltmeter have a high internal resistance?
So that it draws little current from the circuit
So that it can also be used to measure current
So that it heats up less on the high ranges
So that it can go in series with the load
Pourquoi un bon voltmètre doit-il avoir une résistance interne élevée ?
Pour prélever peu de courant sur le circuit
Pour servir aussi à mesurer le courant
Pour moins chauffer sur les calibres élevés
Pour aller en série avec la charge

What happens if a multimeter set to a current range is connected across a battery?
It acts almost as a short circuit and may blow its fuse
It may show the voltage, just as on a voltage range
It reads the battery's internal resistance
It charges the battery from the meter's own 9 V cell
Que se passe-t-il si un multimètre réglé sur un calibre de courant est branché aux bornes d'une batterie ?
Il agit presque en court-circuit et peut griller son fusible
Il peut afficher la tension, comme sur un calibre de tension
Il indique la résistance interne de la batterie
Il charge la batterie avec sa propre pile

An SWR meter is connected between the transceiver and the feed line. What is an SWR meter used for?
Checking the match of the antenna system
Measuring the supply voltage on transmit
Measuring the transmitter's frequency
Checking the charge of the station battery
Un ROS-mètre est branché entre l'émetteur-récepteur et la ligne. À quoi sert un ROS-mètre ?
À vérifier l'adaptation du système d'antenne
À mesurer la tension d'alimentation en émission
À mesurer la fréquence de l'émetteur
À vérifier la charge de la batterie de la station

When adjusting a transmitter, operators use a dummy load. What is a dummy load?
A resistor that replaces the antenna but does not radiate
A compact antenna used only for receiving during tests
A resistor that sets the bias of the transmitter's output stage
A spare battery that stands in for the mains supply
Pour régler un émetteur, les opérateurs utilisent une charge fictive. Qu'est-ce qu'une charge fictive ?
Une résistance qui remplace l'antenne sans rayonner
Une antenne compacte qui ne sert qu'à la réception en essai
Une résistance qui fixe la polarisation de l'étage final
Une batterie de secours qui remplace le secteur

Why must the power rating of a dummy load be respected?
It turns the power into heat and can overheat
Above it, it starts to radiate and cause interference
Above it, it sends the power back to the transmitter
Its rating sets the highest frequency it can take
Pourquoi respecter la puissance nominale d'une charge fictive ?
Elle transforme toute la puissance en chaleur et peut surchauffer
Au-delà, elle se met à rayonner fortement et cause des brouillages
Au-delà, elle peut renvoyer la puissance vers l'émetteur
Son calibre fixe la plus haute fréquence admise

An oscilloscope is connected to the output of an audio oscillator. What does the oscilloscope display?
The waveform, that is the voltage against time
The frequency alone, as a number in hertz
The spectrum: level against frequency
The average power, as a reading in watts
Un oscilloscope est branché à la sortie d'un oscillateur audio. Qu'affiche l'oscilloscope ?
La forme d'onde, soit la tension en fonction du temps
La fréquence seule, sous forme de nombre en hertz
Le spectre : le niveau en fonction de la fréquence
La puissance moyenne, lue en watts

Which instrument counts the cycles of a signal and shows the result as a number on a display?
A frequency counter
A digital voltmeter
An absorption wavemeter
An SWR meter
Quel appareil compte les cycles d'un signal et affiche le résultat en chiffres sur un écran ?
Un fréquencemètre
Un voltmètre numérique
Un ondemètre à absorption
Un ROS-mètre

Why must a resistance measurement be made with the circuit switched off?
The meter uses its own battery; live voltage upsets or harms it
A resistor's marked value holds for the unpowered state
With power on, the ohmmeter would read the circuit current instead
Otherwise the circuit's battery would run down
Pourquoi une mesure de résistance doit-elle se faire circuit hors tension ?
L'ohmmètre a sa pile ; une tension du circuit le fausse ou l'abîme
La valeur marquée d'une résistance ne vaut que hors tension
Sous tension, l'ohmmètre mesurerait le courant du circuit à la place
Sinon la batterie du circuit se déchargerait
""")

S09 = parse("""
You are about to build a receiver kit. What kind of solder is normally used for electronic work?
Solder wire with a rosin flux core
Acid-core solder, as used for plumbing
Silver brazing rod with a gas torch
Conductive glue with silver powder
Vous allez monter un kit de récepteur. Qu'utilise-t-on normalement comme soudure en électronique ?
Du fil de soudure à âme de flux résineux
De la soudure à âme acide, pour la plomberie
Des baguettes de brasure à l'argent et un chalumeau
De la colle conductrice à poudre d'argent

After soldering a component lead to a printed circuit pad, what does a good soldered joint look like?
Smooth and shiny, flowed onto both wire and pad
A round ball of solder sitting on top of the pad
Dull and grainy, showing that the solder has fully set
Dark and glassy, from plenty of heat and flux
Après avoir soudé la patte d'un composant sur une pastille de circuit imprimé, à quoi ressemble une bonne soudure ?
Lisse et brillante, l'étain ayant coulé sur le fil et la pastille
Une boule d'étain ronde posée sur la pastille
Terne et granuleuse, signe que l'étain a bien pris
Sombre et vitreuse, à force de chaleur et de flux

What is a "dry joint"?
A poor joint where the solder has not bonded
A joint with too much flux, to be washed off
A joint on a component that is not powered
A joint made with lead-free solder
Qu'est-ce qu'une « soudure sèche » ?
Une mauvaise soudure où l'étain n'a pas adhéré
Une soudure avec trop de flux, à nettoyer
Une soudure sur un composant non alimenté
Une soudure faite avec un étain sans plomb

Soldering produces a thin smoke from the solder wire. Why should you work in a ventilated place when soldering?
The smoke from the flux should not be breathed
Moving air can keep the iron from overheating
The alloy needs oxygen from the air to flow
So that the joints set hard more quickly
La soudure dégage une fine fumée provenant du fil d'étain. Pourquoi travailler dans un endroit ventilé quand on soude ?
Il ne faut pas respirer les fumées du flux
L'air qui circule peut éviter la surchauffe du fer
L'alliage a besoin de l'oxygène de l'air pour couler
Pour que les soudures durcissent plus vite

Why should you wear eye protection when cutting component leads?
Cut ends can fly off at speed
Flux on the leads spits when they are cut
Dust from the lead plating irritates the eyes
The cutters' jaws may snap under the strain
Pourquoi porter des lunettes de protection en coupant les pattes des composants ?
Les bouts coupés peuvent être projetés
Le flux des pattes gicle quand on les coupe
La poussière du placage des pattes irrite les yeux
Les mâchoires de la pince peuvent casser

Why are many semiconductor devices handled with anti-static precautions?
Electrostatic discharge from the body can damage them
They attract dust, which makes them overheat in use
Light falling on the chip can upset its junctions
Sweat from the fingers corrodes their leads
Pourquoi manipule-t-on de nombreux semi-conducteurs avec des précautions antistatiques ?
Une décharge statique venue du corps peut les abîmer
Ils attirent la poussière, qui les fait surchauffer
La lumière sur la puce peut perturber ses jonctions
La sueur des doigts corrode leurs pattes

You pause while assembling a kit. Where should the hot soldering iron be put down between uses?
In its stand, clear of cables
On the bench, within easy reach
On top of the transceiver's case
In a drawer, out of sight
Vous faites une pause en montant un kit. Où poser le fer à souder chaud entre deux utilisations ?
Sur son support, loin des câbles
Sur l'établi, à portée de main
Sur le boîtier du poste
Dans un tiroir, hors de vue

Why should heat be applied only briefly when soldering a semiconductor?
Too much heat can damage the device
Heat makes the solder turn into flux
Long heating raises its gain for good
Its leads can melt before the solder does
Pourquoi ne chauffer que brièvement en soudant un semi-conducteur ?
Trop de chaleur peut abîmer le composant
La chaleur transforme la soudure en flux
Un long chauffage augmente durablement le gain
Ses pattes peuvent fondre avant la soudure

Why is lead-free solder harder to work with than the old tin-lead solder?
It needs more heat than tin-lead solder and wets less
It melts at a lower temperature and sets too fast
It conducts electricity far less well
It is sold without flux, which must be added
Pourquoi la soudure sans plomb est-elle plus délicate à travailler que l'ancienne soudure étain-plomb ?
Elle demande plus de chaleur que l'étain-plomb et mouille moins
Elle fond à plus basse température et prend trop vite
Elle conduit beaucoup moins bien l'électricité
Elle est vendue sans flux, qu'il faut ajouter
""")

S10 = parse("""
Looking at the back panel of a typical HF transceiver, what kind of antenna connector do you usually find?
The UHF type (PL-259 plug, SO-239 socket)
The BNC type, as on handheld radios
The F type, as used for satellite TV
The SMA type, as on SDR dongles
Au dos d'un émetteur-récepteur HF typique, quel type de connecteur d'antenne trouve-t-on habituellement ?
Le type UHF (fiche PL-259, embase SO-239)
Le type BNC, comme sur les portatifs
Le type F, comme pour la TV satellite
Le type SMA, comme sur les clés SDR

You are fitting connectors to the coaxial cable of a 70 cm antenna. Which connector type is preferred at UHF and above?
N-type connectors
PL-259 connectors
F-type connectors
RCA connectors
Vous montez des connecteurs sur le câble coaxial d'une antenne 70 cm. Quel type de connecteur préfère-t-on en UHF et au-dessus ?
Le connecteur N
Le connecteur PL-259
Le connecteur F
Le connecteur RCA

Why must outdoor coaxial connectors be weatherproofed?
Water getting in raises loss and corrodes
Moisture can make the connector itself radiate
Sunlight on the plug alters its impedance
A wet connector draws lightning to the mast
Pourquoi faut-il étancher les connecteurs coaxiaux extérieurs ?
L'eau qui entre augmente les pertes et corrode
L'humidité peut faire rayonner le connecteur lui-même
Le soleil sur la fiche modifie son impédance
Un connecteur mouillé attire la foudre sur le mât

What is a Morse key, either a straight key or a paddle, used for at an amateur station?
Switching the transmitter on and off to form Morse
Tuning the receiver in steps across the Morse band
Setting the speed of the automatic Morse decoder
Switching the receiver between its CW filters
À quoi sert un manipulateur Morse, pioche ou double palette, dans une station d'amateur ?
À manipuler l'émetteur pour former les signes Morse
À accorder le récepteur par pas dans la bande Morse
À régler la vitesse du décodeur Morse automatique
À commuter les filtres CW du récepteur

What is an electronic keyer?
A device that forms timed dots and dashes
A program that decodes received Morse into text
A relay that keys a linear amplifier from the exciter
A device that tunes the antenna when you key
Qu'est-ce qu'un manipulateur électronique ?
Un appareil qui forme des points et traits dosés
Un logiciel qui décode en texte le Morse reçu
Un relais qui commande un linéaire depuis l'excitateur
Un appareil qui accorde l'antenne quand on manipule

What is the function of a PTT switch on a microphone?
It puts the station on transmit while pressed
It steps the frequency up while it is pressed
It raises the mic amplifier's gain while pressed
It turns the speech processor on while pressed
Quelle est la fonction du bouton d'alternat (PTT) d'un microphone ?
Il met la station en émission tant qu'on appuie
Il fait monter la fréquence tant qu'on appuie
Il augmente le gain du préampli micro tant qu'on appuie
Il met en service le compresseur tant qu'on appuie

Many transceivers offer a VOX function for voice operation. What does VOX do?
It keys the transmitter when the operator speaks
It raises the receiver volume when a voice is heard
It can limit the voice level to prevent overmodulation
It records the contact and plays it back on request
De nombreux émetteurs-récepteurs offrent une fonction VOX pour la phonie. Que fait le VOX ?
Il passe en émission quand l'opérateur parle
Il monte le volume du récepteur quand une voix arrive
Il peut limiter le niveau de la voix contre la surmodulation
Il enregistre la liaison et la rejoue sur demande

Why is an audio interface between a computer and a transceiver often fitted with isolating transformers?
To break ground loops that cause hum
To raise the audio level by a factor of ten
To convert the audio to FM for the transceiver
To match the computer to the 50-ohm feed line
Pourquoi une interface audio entre ordinateur et émetteur-récepteur comporte-t-elle souvent des transformateurs d'isolement ?
Pour rompre les boucles de masse qui causent du ronflement
Pour multiplier le niveau audio par dix
Pour convertir l'audio en FM pour l'émetteur-récepteur
Pour adapter l'ordinateur à la ligne de 50 ohms

Why should headphones be used in a station shared with other people?
They spare others and help with weak signals
They improve the audio quality of the transmitter
They shield the operator's head from RF
They lower the noise figure of the receiver
Pourquoi utiliser un casque dans une station partagée avec d'autres personnes ?
Il épargne l'entourage et aide sur les signaux faibles
Il améliore la qualité audio de l'émetteur
Il protège la tête de l'opérateur contre la HF
Il abaisse le facteur de bruit du récepteur
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10]
