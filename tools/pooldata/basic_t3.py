"""Basic topic 3: station setup and safety."""

from basic_util import parse
import basic_calc as c

TITLE = ("Station setup and safety", "Installation de la station et s\u00e9curit\u00e9")

S01 = parse("""
What nominal DC supply voltage do most mobile and base HF transceivers need, matching a car's electrical system with the engine running?
About 13.8 V DC
About 5 V DC
About 48 V AC
About 230 V AC directly
De quelle tension continue nominale la plupart des émetteurs-récepteurs HF mobiles et fixes ont-ils besoin, comme le réseau d'une voiture moteur tournant ?
Environ 13,8 V continu
Environ 5 V continu
Environ 48 V alternatif
Environ 230 V alternatif directement

Why must a power supply for a 100 W transceiver be rated for a much higher current than the receive current?
On transmit the set draws about 20 A, far more than on receive
Because the supply voltage rises on transmit
Because receivers need more current than transmitters
Because power supplies lose their rating with age
Pourquoi l'alimentation d'un émetteur-récepteur de 100 W doit-elle fournir bien plus que le courant de réception ?
En émission l'appareil consomme environ 20 A, bien plus qu'en réception
Parce que la tension d'alimentation monte en émission
Parce que les récepteurs consomment plus que les émetteurs
Parce que les alimentations perdent leur calibre en vieillissant

Why should the DC leads from the power supply to the transceiver be short and thick?
To keep the voltage drop small at high current
To reduce the receiver noise figure
To increase the output voltage above 13.8 V
To act as an antenna for the power supply
Pourquoi les câbles continus entre l'alimentation et l'émetteur-récepteur doivent-ils être courts et de forte section ?
Pour limiter la chute de tension sous fort courant
Pour réduire le facteur de bruit du récepteur
Pour élever la tension de sortie au-dessus de 13,8 V
Pour servir d'antenne à l'alimentation

What is the advantage of a switch-mode power supply over a linear supply with a heavy transformer?
It is smaller and lighter for the same output
It never causes any radio interference
It has no need of a fuse
It delivers AC instead of DC
Quel est l'avantage d'une alimentation à découpage sur une alimentation linéaire à gros transformateur ?
Elle est plus petite et plus légère pour la même puissance
Elle ne cause jamais de parasites radio
Elle n'a pas besoin de fusible
Elle fournit de l'alternatif au lieu du continu

Why should the transceiver be placed where air can flow around it?
Its heat sink and fan need air to remove heat on transmit
To make the display easier to read
To reduce the SWR
Because moving air around the set improves the reception of weak signals
Pourquoi placer l'émetteur-récepteur là où l'air circule autour de lui ?
Son radiateur et son ventilateur ont besoin d'air pour évacuer la chaleur en émission
Pour rendre l'afficheur plus lisible
Pour réduire le ROS
Parce que l'air qui circule autour de l'appareil améliore la réception des signaux faibles

What is a good way to arrange the cables of a station?
Tidy, with DC, RF and audio leads apart and none across walkways
Tie all the cables into one tight bundle so that they take less room
Run cables under carpets where people walk
Leave them loose so they can be moved easily
Quelle est une bonne façon d'organiser les câbles d'une station ?
Ordonnés, câbles continu, HF et audio séparés, aucun en travers des passages
Attacher tous les câbles en un seul faisceau serré pour gagner de la place
Faire passer les câbles sous les tapis de passage
Les laisser libres pour pouvoir les déplacer
""") + c.current_pv([(100, "13.8"), (40, 12), (25, "13.8")]) + parse("""
What should be in easy reach of the operator in case of an accident at the station?
A clearly marked switch that cuts all power
A second microphone
The station log
A spare antenna, ready to connect if the main one fails
Que doit-on trouver à portée de main de l'opérateur en cas d'accident à la station ?
Un interrupteur bien repéré qui coupe tout le courant
Un second microphone
Le carnet de trafic
Une antenne de rechange, prête à brancher si la principale lâche
""")

S02 = parse("""
Why is mains electricity dangerous to the human body?
Current through the body, above all the heart, can kill or burn
It only causes a slight tingle, whatever the voltage
It is dangerous only if you are wet and barefoot, standing on the ground
It is only dangerous above 1000 V
Pourquoi l'électricité du secteur est-elle dangereuse pour le corps humain ?
Un courant dans le corps, surtout par le cœur, peut tuer ou brûler
Elle ne provoque qu'un léger picotement, quelle que soit la tension
Elle n'est dangereuse que si l'on est mouillé et pieds nus, debout sur le sol
Elle n'est dangereuse qu'au-dessus de 1000 V

What is the first thing to do if someone is in contact with a live mains conductor?
Cut the power, or free them with a dry insulating object
Pull the person away with your bare hands as fast as you can
Pour water on the person
Wait for the fuse to blow
Que faire en premier si une personne est en contact avec un conducteur sous tension du secteur ?
Couper le courant, ou la dégager avec un objet isolant sec
Tirer la personne à mains nues le plus vite possible
Verser de l'eau sur la personne
Attendre que le fusible fonde

Why should you work on equipment only after unplugging it from the mains?
The front-panel switch may leave mains voltage inside
Because unplugged equipment works better
To reset the frequency memory
Because the mains adds noise to the measurements you will make inside
Pourquoi ne travailler sur un appareil qu'après l'avoir débranché du secteur ?
L'interrupteur de façade peut laisser le secteur à l'intérieur
Parce qu'un appareil débranché fonctionne mieux
Pour réinitialiser les mémoires de fréquence
Parce que le secteur perturbe les mesures que vous ferez à l'intérieur

Why can a power supply still give a dangerous shock after it has been unplugged?
Its filter capacitors can stay charged to a high voltage
The transformer keeps producing current for hours
The mains lead stores electricity
It cannot; unplugged supplies are always safe
Pourquoi une alimentation peut-elle encore provoquer un choc dangereux après avoir été débranchée ?
Ses condensateurs de filtrage peuvent rester chargés sous une tension élevée
Le transformateur continue à produire du courant pendant des heures
Le cordon secteur stocke de l'électricité
C'est impossible ; une alimentation débranchée est toujours sûre

What is the purpose of a bleeder resistor across the filter capacitors of a high-voltage supply?
To discharge the capacitors after switch-off
To increase the output voltage
To limit the inrush current into the capacitors at switch-on
To reduce hum on the output
À quoi sert une résistance de décharge aux bornes des condensateurs de filtrage d'une alimentation haute tension ?
À décharger les condensateurs après l'arrêt
À augmenter la tension de sortie
À limiter l'appel de courant dans les condensateurs à la mise en marche
À réduire le ronflement en sortie

Why is it wise to work with one hand only when measuring inside live high-voltage equipment?
It avoids a current path across the chest
It makes the measurement more accurate by steadying the probe
It keeps the other hand free for the log
It reduces the voltage in the circuit
Pourquoi est-il prudent de ne travailler que d'une main en mesurant dans un appareil haute tension sous tension ?
Cela évite un passage du courant à travers la poitrine
Cela rend la mesure plus précise en stabilisant la pointe de touche
Cela garde l'autre main libre pour le carnet
Cela réduit la tension dans le circuit

Which of these is a sign that a mains lead must be replaced?
Its outer sheath is cracked or the inner conductors show
It is longer than two metres
It is black instead of white
It feels warm after several hours of use at low current
Lequel de ces signes indique qu'un cordon secteur doit être remplacé ?
Sa gaine extérieure est fendue ou les conducteurs intérieurs sont visibles
Il mesure plus de deux mètres
Il est noir au lieu d'être blanc
Il est tiède après plusieurs heures à faible courant

What is the role of the protective earth conductor in a mains lead?
It earths metal cases, so a fault trips the protection instead of making them live
It carries the return current to the supply in normal use, like the neutral
It reduces radio interference only
It doubles the supply voltage
Quel est le rôle du conducteur de protection (terre) d'un cordon secteur ?
Il relie les boîtiers à la terre, pour qu'un défaut déclenche la protection au lieu de les mettre sous tension
Il ramène le courant vers l'alimentation en fonctionnement normal, comme le neutre
Il sert seulement à réduire les parasites radio
Il double la tension d'alimentation

Electrical safety guides give a level of current through the body that can upset the heart. Which current is generally regarded as able to cause a dangerous heart rhythm?
A few tens of milliamperes
A few microamperes, as in a watch battery
A few nanoamperes, as in a static spark
Only currents above 100 A, as in a welding set
Les guides de sécurité électrique indiquent un courant dans le corps capable de dérégler le cœur. Quel courant est généralement considéré comme pouvant provoquer un trouble dangereux du rythme cardiaque ?
Quelques dizaines de milliampères
Quelques microampères, comme ceux d'une pile de montre
Quelques nanoampères, comme ceux d'une étincelle statique
Seulement plus de 100 A, comme dans un poste de soudure

Why must the earth pin of a mains plug never be cut off or bypassed?
It removes protection against a live case
It makes the equipment noisy
It stops the fuse in the plug from fitting and carrying current
It reduces the output power
Pourquoi ne faut-il jamais couper ni neutraliser la broche de terre d'une fiche secteur ?
Cela supprime la protection contre un boîtier sous tension
Cela rend l'appareil bruyant
Cela empêche le fusible de la fiche de se placer et de conduire
Cela réduit la puissance de sortie
""")

S03 = parse("""
Every power lead in the station should be fused. What does a fuse do?
It melts and opens the circuit on overcurrent
It stabilises the voltage
It stores energy for peaks of current on transmit
It filters radio interference
Chaque câble d'alimentation de la station devrait être protégé par un fusible. Que fait un fusible ?
Il fond et ouvre le circuit en cas de surintensité
Il stabilise la tension
Il stocke de l'énergie pour les pointes de courant en émission
Il filtre les parasites radio

Why must a blown fuse be replaced by one of the same rating, not a larger one?
A larger fuse may let a fault current start a fire
A larger fuse reduces the output power
A larger fuse makes the equipment noisy
A larger fuse always blows sooner, so the equipment stops too often
Pourquoi remplacer un fusible fondu par un fusible de même calibre, et non plus fort ?
Un fusible plus fort peut laisser un défaut provoquer un incendie
Un fusible plus fort réduit la puissance de sortie
Un fusible plus fort rend l'appareil bruyant
Un fusible plus fort fond toujours plus tôt, et l'appareil s'arrête trop souvent

In a DC lead from a car battery, where should the fuse be fitted?
In the positive lead, close to the battery
In the negative lead, close to the radio
In the antenna cable
Anywhere; position does not matter
Sur un câble continu venant d'une batterie de voiture, où placer le fusible ?
Sur le fil positif, près de la batterie
Sur le fil négatif, près de la radio
Sur le câble d'antenne
N'importe où ; l'emplacement n'a pas d'importance

What does a residual current device (RCD) detect?
A difference between live and neutral currents, meaning a leak to earth
A voltage higher than normal on the mains
A short circuit between the live and neutral, but nothing else
Radio interference on the mains
Que détecte un dispositif différentiel ?
Un écart entre courants de phase et de neutre, signe d'une fuite à la terre
Une tension secteur plus élevée que la normale
Un court-circuit entre phase et neutre, et rien d'autre
Des parasites radio sur le secteur

A fuse in your power supply blows repeatedly. What should you do?
Find and repair the fault that causes the overcurrent
Fit a fuse of double the rating so that it holds at full power
Replace the fuse with a piece of wire
Tape over the fuse holder
Le fusible de votre alimentation fond à répétition. Que faites-vous ?
Chercher et réparer le défaut qui cause la surintensité
Mettre un fusible de calibre double pour qu'il tienne à pleine puissance
Remplacer le fusible par un bout de fil
Mettre du ruban adhésif sur le porte-fusible

Why should the station's RF ground be kept separate in purpose from the mains safety earth, while both stay connected?
The safety earth protects against shock, the RF ground controls RF currents; each is needed
They are the same thing and can replace each other
The mains earth must be disconnected whenever an RF ground is fitted, to avoid loops
The RF ground replaces the mains fuse
Pourquoi distinguer la terre HF de la station de la terre de sécurité du secteur, tout en les gardant reliées ?
La terre de sécurité protège des chocs, la terre HF maîtrise les courants HF ; il faut les deux
Ce sont la même chose, interchangeables
La terre du secteur doit être déconnectée dès qu'on installe une terre HF, pour éviter les boucles
La terre HF remplace le fusible du secteur

A fuse in a DC power lead is marked "15 A". What does this rating printed on the fuse mean?
The current above which it will blow
The current it always draws from the supply
The power in watts it delivers to the load
The frequency at which it works best
Un fusible sur un câble d'alimentation continue est marqué « 15 A ». Que signifie ce calibre inscrit sur le fusible ?
Le courant au-delà duquel il fond
Le courant qu'il prélève en permanence sur l'alimentation
La puissance en watts qu'il fournit à la charge
La fréquence à laquelle il fonctionne le mieux

What is a circuit breaker?
A switch that opens on overcurrent and can be reset
A component that breaks radio signals into packets for digital modes
A fuse that can only be used once
A device that increases circuit current
Qu'est-ce qu'un disjoncteur ?
Un interrupteur qui s'ouvre sur surintensité et se réarme
Un composant qui découpe les signaux radio en paquets pour les modes numériques
Un fusible à usage unique
Un appareil qui augmente le courant d'un circuit

Why should a home-made power supply have its mains side fully enclosed?
So that nobody can touch parts at mains voltage
To reduce its weight
To make it easier to repair
So that it can be used outdoors in the rain
Pourquoi la partie secteur d'une alimentation de fabrication personnelle doit-elle être entièrement enfermée ?
Pour que personne ne puisse toucher des pièces sous la tension du secteur
Pour réduire son poids
Pour la rendre plus facile à réparer
Pour pouvoir l'utiliser dehors sous la pluie
""")

S04 = parse("""
A 12 V lead-acid battery has been fully charged and then left to rest for some hours. What voltage does it show with no load?
About 12.6 to 12.8 V
About 9 V
About 14.4 V at all times
About 24 V
Une batterie au plomb de 12 V a été complètement chargée puis laissée au repos quelques heures. Quelle tension présente-t-elle à vide ?
Environ 12,6 à 12,8 V
Environ 9 V
Environ 14,4 V en permanence
Environ 24 V

Why must a lead-acid battery be charged in a well-ventilated place?
It can give off explosive hydrogen while charging
It needs oxygen from the air to store energy during the charge
Ventilation makes it charge faster
To keep the charger quiet
Pourquoi faut-il charger une batterie au plomb dans un endroit bien ventilé ?
Elle peut dégager de l'hydrogène explosif en charge
Elle a besoin de l'oxygène de l'air pour stocker l'énergie pendant la charge
La ventilation accélère la charge
Pour que le chargeur reste silencieux

What may happen if the terminals of a large battery are short-circuited by a spanner?
A huge current, with heat, sparks, burns and a risk of explosion
Nothing, batteries limit their own current
The battery simply goes flat quietly over a few hours
The battery voltage doubles
Que peut-il se passer si les bornes d'une grosse batterie sont court-circuitées par une clé ?
Un courant énorme, avec chaleur, étincelles, brûlures et risque d'explosion
Rien, les batteries limitent leur propre courant
La batterie se décharge simplement sans bruit en quelques heures
La tension de la batterie double

A portable battery pack is built from lithium-ion cells. What is the nominal voltage of one such cell?
About 3.6 to 3.7 V
About 1.2 V
About 2 V
About 12 V
Une batterie portable est faite d'éléments lithium-ion. Quelle est la tension nominale d'un de ces éléments ?
Environ 3,6 à 3,7 V
Environ 1,2 V
Environ 2 V
Environ 12 V

Why do lithium batteries need a protection circuit or a suitable charger?
Overcharge, deep discharge or shorts can damage them and cause fire
They only work with a protection circuit connected to the station earth
They cannot be charged at all without one
To raise their voltage to 12 V
Pourquoi les batteries au lithium exigent-elles un circuit de protection ou un chargeur adapté ?
Surcharge, décharge profonde ou court-circuit peuvent les abîmer et causer un incendie
Elles ne fonctionnent qu'avec un circuit de protection relié à la terre de la station
Elles ne peuvent pas du tout être chargées sans lui
Pour élever leur tension à 12 V

You need a higher voltage than one cell can give for a portable station. How must several cells be connected?
In series, positive of one to negative of the next
In parallel, all positives together and all negatives together
Through a fuse only, whatever the arrangement
It is impossible to raise the voltage with cells
Pour une station portable, il vous faut une tension plus élevée que celle d'un élément. Comment relier plusieurs éléments ?
En série, le positif de l'un au négatif du suivant
En parallèle, tous les positifs ensemble et tous les négatifs ensemble
Par un fusible seulement, quel que soit le montage
On ne peut pas élever la tension avec des éléments

For a longer run time at the same voltage, how are identical cells or batteries connected to obtain a larger capacity?
In parallel, like terminals together
In series, the positive of each to the negative of the next
In series with a resistor
Back to back, with opposite polarity
Pour une plus longue autonomie sous la même tension, comment relier des éléments ou batteries identiques afin d'obtenir une plus grande capacité ?
En parallèle, bornes de même signe ensemble
En série, le positif de chacune au négatif de la suivante
En série avec une résistance
Tête-bêche, en polarité inverse
""") + c.battery([(7, "1.4"), (40, "2.5"), (12, "0.8")])

S05 = parse("""
Exposure limits exist for people near transmitting antennas. Why can strong radio-frequency fields be harmful to people?
They can heat body tissue
They make the body radioactive
They change the blood group
They cause magnetic poisoning
Des limites d'exposition protègent les personnes proches des antennes d'émission. Pourquoi des champs radiofréquence intenses peuvent-ils être nocifs ?
Ils peuvent échauffer les tissus du corps
Ils rendent le corps radioactif
Ils modifient le groupe sanguin
Ils provoquent un empoisonnement magnétique

Radio waves are non-ionising radiation. What does this mean?
Their photons cannot break chemical bonds, unlike X-rays
They cannot pass through walls
They cannot be absorbed by the body at all
They are harmless at any power level and any distance from the antenna
Les ondes radio sont un rayonnement non ionisant. Qu'est-ce que cela signifie ?
Leurs photons ne peuvent pas rompre les liaisons chimiques, contrairement aux rayons X
Elles ne traversent pas les murs
Le corps ne peut pas du tout les absorber
Elles sont inoffensives à toute puissance et à toute distance de l'antenne

Which factors mainly decide the RF exposure of a person near an antenna?
Power, distance, frequency, antenna gain and time spent transmitting
Only the colour of the antenna
Only the length of the coaxial cable
Only the mode used, whatever the power, the frequency or the distance
Quels facteurs déterminent principalement l'exposition aux RF d'une personne près d'une antenne ?
La puissance, la distance, la fréquence, le gain d'antenne et le temps d'émission
Seulement la couleur de l'antenne
Seulement la longueur du câble coaxial
Seulement le mode utilisé, quels que soient la puissance, la fréquence ou la distance

Why are exposure limits usually lowest in the VHF range, around 30 to 300 MHz?
The body absorbs most there, its size being close to a resonant length
Because VHF signals travel further
Because VHF transmitters are more powerful
Because VHF waves are ionising, unlike HF and UHF waves
Pourquoi les limites d'exposition sont-elles en général les plus basses en VHF, vers 30 à 300 MHz ?
Le corps y absorbe le plus, sa taille étant proche d'une longueur résonante
Parce que les signaux VHF vont plus loin
Parce que les émetteurs VHF sont plus puissants
Parce que les ondes VHF sont ionisantes, contrairement à la HF et à l'UHF

What is the simplest way to reduce RF exposure from your station?
More distance from the antenna, and less power when possible
Paint the antenna white
Use a longer coaxial cable indoors, coiled near the operating position
Transmit only in the morning
Quelle est la façon la plus simple de réduire l'exposition aux RF de votre station ?
Plus de distance à l'antenne, et moins de puissance si possible
Peindre l'antenne en blanc
Utiliser un câble coaxial plus long à l'intérieur, enroulé près du poste de trafic
N'émettre que le matin

Why should you never look into the open end of a waveguide or stand in front of a microwave dish while it transmits?
Concentrated microwave energy can heat the eyes
Microwaves make the eyes radioactive
The dish can fall over
It is only a risk for people wearing glasses with metal frames
Pourquoi ne jamais regarder dans l'extrémité ouverte d'un guide d'ondes ni se placer devant une parabole qui émet ?
L'énergie hyperfréquence concentrée peut échauffer les yeux
Les hyperfréquences rendent les yeux radioactifs
La parabole peut tomber
Ce n'est un risque que pour ceux qui portent des lunettes à monture métallique

What is an RF burn?
A burn from touching a conductor with strong RF on it
A sunburn caught while installing antennas on a roof in summer
A burn from a soldering iron
Damage to a transistor caused by overload
Qu'est-ce qu'une brûlure HF ?
Une brûlure due au contact d'un conducteur portant une forte HF
Un coup de soleil attrapé en installant des antennes sur un toit en été
Une brûlure de fer à souder
Un transistor détruit par surcharge
""") + c.inverse_square([(4, 2), ("0.9", 3), (5, 10)])

S06 = parse("""
Why should outdoor antennas be disconnected from the station when a thunderstorm approaches?
A nearby strike can send large surges in along the cables
Storms make the SWR rise
Rain changes the antenna's resonance permanently unless it is disconnected
Because the receiver will overload from static
Pourquoi débrancher les antennes extérieures de la station à l'approche d'un orage ?
Un coup de foudre proche peut amener de fortes surtensions par les câbles
Les orages font monter le ROS
La pluie modifie définitivement la résonance de l'antenne si elle reste branchée
Parce que le récepteur sera saturé par les parasites

What is the purpose of a lightning arrester or surge protector in the coaxial cable at the building entry?
To divert surges to ground before they reach the equipment
To stop all radio signals from entering the building during a storm
To protect against rain entering the cable
To improve the SWR
À quoi sert un parafoudre placé sur le câble coaxial à l'entrée du bâtiment ?
À dériver les surtensions à la terre avant le matériel
À bloquer tous les signaux radio à l'entrée du bâtiment pendant l'orage
À empêcher la pluie d'entrer dans le câble
À améliorer le ROS

Why is a single-point ground recommended for all the cables entering a station?
All grounds stay at one potential, so surges bypass the equipment
It uses less copper
It makes all the antennas of the station resonant on the same band
It is required only for VHF stations
Pourquoi recommande-t-on un point de terre unique pour tous les câbles entrant dans une station ?
Toutes les masses restent au même potentiel et les surtensions évitent le matériel
Il économise du cuivre
Il rend toutes les antennes de la station résonantes sur la même bande
Il n'est exigé que pour les stations VHF

How should a ground conductor for lightning protection be run?
As short and straight as possible, with no sharp bends
Coiled up to save space
Through the house to the water tank
With as many bends as possible to slow the surge
Comment faut-il faire cheminer un conducteur de terre de protection contre la foudre ?
Le plus court et le plus droit possible, sans coudes serrés
Enroulé en spirale pour gagner de la place
À travers la maison jusqu'au réservoir d'eau
Avec le plus de coudes possible pour ralentir la surtension

Why must a metal mast or tower be properly earthed?
To give lightning and static charges a safe path to ground
To increase the antenna's gain
To make the mast rust more slowly only
Because the mast needs a return path for the transmitter current
Pourquoi un mât ou un pylône métallique doit-il être correctement relié à la terre ?
Pour offrir à la foudre et aux charges statiques un chemin sûr vers le sol
Pour augmenter le gain de l'antenne
Seulement pour qu'il rouille moins vite
Parce que le mât doit fournir un retour au courant de l'émetteur

Why should you never operate or touch the station during a thunderstorm overhead?
A strike may put lethal voltages on the equipment
The sound of thunder damages microphones
The ionosphere closes during storms, so the station would be useless
Because signals become too loud
Pourquoi ne jamais trafiquer ni toucher la station pendant un orage au-dessus de vous ?
Un coup de foudre peut porter le matériel à une tension mortelle
Le bruit du tonnerre endommage les microphones
L'ionosphère se ferme pendant les orages, la station ne servirait à rien
Parce que les signaux deviennent trop forts

What is a ground rod?
A metal rod driven into the soil to connect to earth
A tuning rod inside a vertical antenna
A rod that holds the antenna rotator
An insulated rod for handling high voltages safely during repairs
Qu'est-ce qu'un piquet de terre ?
Une tige métallique enfoncée dans le sol pour la liaison à la terre
Une tige d'accord à l'intérieur d'une antenne verticale
Une tige qui tient le rotor d'antenne
Une perche isolante pour manipuler sans danger les hautes tensions en dépannage

Why should a separate station ground rod be bonded to the building's electrical earth?
Or a surge could put a large voltage between the two grounds
Bonding makes the antenna work on more bands, with a lower SWR
It reduces the electricity bill
It is never needed
Pourquoi relier une terre séparée de la station à la terre électrique du bâtiment ?
Sinon une surtension pourrait créer une forte tension entre les deux terres
Cette liaison fait fonctionner l'antenne sur plus de bandes, avec un ROS plus bas
Elle réduit la facture d'électricité
Ce n'est jamais nécessaire

Can a surge protector guarantee that a direct lightning strike on the antenna causes no damage?
No, it lowers the risk but cannot rule out damage
Yes, always
Yes, if it is mounted indoors
Yes, if the antenna is made of aluminium and the arrester is earthed
Un parafoudre peut-il garantir qu'un coup de foudre direct sur l'antenne ne cause aucun dégât ?
Non, il réduit le risque sans exclure les dégâts
Oui, toujours
Oui, s'il est monté à l'intérieur
Oui, si l'antenne est en aluminium et le parafoudre relié à la terre

You are choosing where to put up a new wire antenna and its mast. Which position is the most dangerous during installation?
Near overhead power lines
Above a lawn, where the ground is soft
Near a hedge, which may hide the guy anchors
In an open field far from any line, where the wind is stronger
Vous choisissez l'emplacement d'une nouvelle antenne filaire et de son mât. Quel emplacement est le plus dangereux pendant l'installation ?
Près de lignes électriques aériennes
Au-dessus d'une pelouse, où le sol est mou
Près d'une haie, qui peut cacher les ancrages des haubans
Dans un champ dégagé loin de toute ligne, où le vent est plus fort
""")

S07 = parse("""
Why must an antenna and its mast be placed so that they cannot fall onto a power line?
Contact with the line could electrocute anyone touching it
It would only cause a loud noise in the receiver until the line is cut off
The antenna would be detuned
Power companies charge a fee for each contact
Pourquoi une antenne et son mât doivent-ils être placés de façon à ne pas pouvoir tomber sur une ligne électrique ?
Un contact avec la ligne pourrait électrocuter quiconque y touche
Cela causerait seulement un fort bruit au récepteur jusqu'à la coupure de la ligne
L'antenne serait désaccordée
Le distributeur facture chaque contact

What protective equipment is needed when climbing a tower?
A harness attached at all times, and helmets for helpers below
Only gloves
Nothing, if the tower is short
A rope tied around the waist and held by a helper on the ground
Quel équipement de protection faut-il pour monter sur un pylône ?
Un harnais toujours attaché, et des casques pour les aides au sol
Seulement des gants
Rien, si le pylône est bas
Une corde nouée autour de la taille et tenue par un aide au sol

A helper is working at the top of a mast. Why should nobody stand directly below?
Tools or parts may fall
Because of RF exposure from the mast, even with the transmitter off
To avoid blocking the signal path of the antenna
Because the mast may become magnetised by the person climbing
Un aide travaille en haut d'un mât. Pourquoi personne ne doit-il se tenir juste en dessous ?
Des outils ou des pièces peuvent tomber
À cause de l'exposition aux RF du mât, même émetteur éteint
Pour ne pas bloquer le trajet du signal de l'antenne
Parce que le mât peut s'aimanter au contact du grimpeur

Why should guy wires be checked regularly?
Corrosion or loose fittings can let the mast fall
To keep them resonant on the operating band, which raises the gain
Because they carry the transmitter current
To stop birds from landing on them
Pourquoi faut-il vérifier régulièrement les haubans ?
La corrosion ou le desserrage peuvent faire tomber le mât
Pour qu'ils restent résonants sur la bande de trafic, ce qui augmente le gain
Parce qu'ils transportent le courant de l'émetteur
Pour empêcher les oiseaux de s'y poser

Why should antenna wires and feeders be placed where people cannot touch them?
They can carry RF voltages that burn
They attract lightning only when touched
Touching them changes the resonant frequency permanently
To keep them clean
Pourquoi placer les fils d'antenne et les descentes hors de portée des personnes ?
Ils peuvent porter des tensions HF qui brûlent
Ils n'attirent la foudre que si on les touche
Les toucher change définitivement la fréquence de résonance
Pour qu'ils restent propres

Before working on an antenna, what should you make sure of?
That the transmitter is off and cannot be keyed
That the SWR meter is switched on
That the receiver volume is turned up
That the antenna is pointed north, where the wind load is lowest
Avant de travailler sur une antenne, de quoi devez-vous vous assurer ?
Que l'émetteur est éteint et ne peut pas passer en émission
Que le ROS-mètre est allumé
Que le volume du récepteur est au maximum
Que l'antenne est orientée au nord, là où la prise au vent est la plus faible

What is the safest way to raise a tall mast?
With enough helpers, a plan, and nobody where it could fall
Alone, as quickly as possible
At night, when there is less wind and fewer people about
While the transmitter is on, to check the SWR
Quelle est la façon la plus sûre de lever un grand mât ?
Avec assez d'aides, un plan, et personne là où il pourrait tomber
Seul, le plus vite possible
La nuit, quand il y a moins de vent et moins de monde
Émetteur allumé, pour vérifier le ROS

Why must antennas on the roof be fixed to withstand wind?
A falling antenna can injure people or damage property
Wind improves the signal
The antenna needs to swing to radiate
Wind loading only matters for receive antennas
Pourquoi les antennes sur le toit doivent-elles être fixées pour résister au vent ?
Une antenne qui tombe peut blesser des personnes ou causer des dégâts
Le vent améliore le signal
L'antenne doit osciller pour rayonner
La prise au vent ne concerne que les antennes de réception

Why is it sensible to tell someone when you are going to work on a roof or a mast?
So that help can be called if you have an accident
Because the rules require a witness for antenna work
So that they can log the contacts
To share the work of soldering
Pourquoi est-il raisonnable de prévenir quelqu'un quand vous allez travailler sur un toit ou un mât ?
Pour que l'on puisse appeler les secours en cas d'accident
Parce que les règles exigent un témoin pour les travaux d'antenne
Pour qu'il note les liaisons
Pour partager le travail de soudure
""")

S08 = parse("""
How is a voltmeter connected to measure the voltage across a component?
In parallel with the component
In series with the component
Between the component and the antenna
With the component removed from the circuit
Comment branche-t-on un voltmètre pour mesurer la tension aux bornes d'un composant ?
En parallèle sur le composant
En série avec le composant
Entre le composant et l'antenne
Le composant retiré du circuit

How is an ammeter connected to measure the current in a circuit?
In series, so the current flows through it
In parallel with the supply, across its output terminals
Across the load
Between the circuit and earth only
Comment branche-t-on un ampèremètre pour mesurer le courant dans un circuit ?
En série, pour que le courant le traverse
En parallèle sur l'alimentation, entre ses bornes de sortie
Aux bornes de la charge
Entre le circuit et la terre seulement

Why should a good voltmeter have a high internal resistance?
So it draws little current and barely disturbs the circuit
So that it can measure current as well
So that it heats up less
So that it can be connected in series with the load without loss
Pourquoi un bon voltmètre doit-il avoir une résistance interne élevée ?
Pour consommer peu et perturber à peine le circuit
Pour pouvoir aussi mesurer le courant
Pour moins chauffer
Pour pouvoir être branché en série avec la charge sans perte

What happens if a multimeter set to a current range is connected across a battery?
It acts almost as a short circuit and may blow its fuse
It shows the battery voltage correctly, as on the voltage range
Nothing, the meter protects the battery
The battery is charged by the meter
Que se passe-t-il si un multimètre réglé sur un calibre de courant est branché aux bornes d'une batterie ?
Il agit presque en court-circuit et peut faire fondre son fusible
Il affiche correctement la tension de la batterie, comme sur le calibre tension
Rien, le multimètre protège la batterie
La batterie est chargée par le multimètre

An SWR meter is connected between the transceiver and the feed line. What is an SWR meter used for?
Checking the match of the antenna system
Measuring the supply voltage of the transceiver on transmit
Measuring the frequency of the transmitter to within a few hertz
Checking the charge of the station battery
Un ROS-mètre est branché entre l'émetteur-récepteur et la ligne. À quoi sert un ROS-mètre ?
À vérifier l'adaptation du système d'antenne
À mesurer la tension d'alimentation de l'appareil en émission
À mesurer la fréquence de l'émetteur à quelques hertz près
À vérifier la charge de la batterie de la station

When adjusting a transmitter, operators use a dummy load. What is a dummy load?
A resistive load that replaces the antenna without radiating
A compact antenna used only for receiving during tests
A battery used for emergency power
A faulty component removed from a set
Pour régler un émetteur, les opérateurs utilisent une charge fictive. Qu'est-ce qu'une charge fictive ?
Une charge résistive qui remplace l'antenne sans rayonner
Une antenne compacte utilisée seulement en réception pendant les essais
Une batterie d'alimentation de secours
Un composant défectueux retiré d'un appareil

Why must the power rating of a dummy load be respected?
It turns all the power into heat and can overheat
Otherwise it starts to radiate strongly and causes interference
A higher power changes its resistance to exactly zero
Its rating only concerns its weight
Pourquoi respecter la puissance nominale d'une charge fictive ?
Elle transforme toute la puissance en chaleur et peut surchauffer
Sinon elle se met à rayonner fortement et cause des brouillages
Une plus forte puissance ramène sa résistance exactement à zéro
Son calibre ne concerne que son poids

An oscilloscope is connected to the output of an audio oscillator. What does the oscilloscope display?
The waveform: voltage against time
Only the frequency of the signal, as a number in hertz
The SWR of the antenna
The temperature of the amplifier
Un oscilloscope est branché à la sortie d'un oscillateur audio. Qu'affiche l'oscilloscope ?
La forme d'onde : la tension en fonction du temps
Seulement la fréquence du signal, sous forme de nombre en hertz
Le ROS de l'antenne
La température de l'amplificateur

Which piece of test equipment measures the frequency of a signal directly and shows it as a number on a display?
A frequency counter
An ohmmeter
An SWR meter
A dummy load
Quel appareil de mesure mesure directement la fréquence d'un signal et l'affiche en chiffres sur un écran ?
Un fréquencemètre
Un ohmmètre
Un ROS-mètre
Une charge fictive

Why must a resistance measurement be made with the circuit switched off?
The ohmmeter uses its own battery; circuit voltage falsifies or damages it
Because resistance changes only when the circuit is on and warm
Because switched-on circuits have no resistance
To save the battery of the circuit
Pourquoi une mesure de résistance doit-elle se faire circuit hors tension ?
L'ohmmètre a sa propre pile ; une tension du circuit fausse la mesure ou l'abîme
Parce que la résistance ne change que lorsque le circuit est sous tension et chaud
Parce qu'un circuit sous tension n'a pas de résistance
Pour économiser la batterie du circuit
""")

S09 = parse("""
You are about to build a receiver kit. What kind of solder is normally used for electronic work?
Solder wire with a rosin flux core
Acid-core plumbing solder
Pure aluminium wire
Glue with metal powder
Vous allez monter un kit de récepteur. Quelle soudure utilise-t-on normalement en électronique ?
Du fil de soudure à âme de flux résineux
De la soudure de plomberie à âme acide
Du fil d'aluminium pur
De la colle à poudre métallique

After soldering a component lead to a printed circuit pad, what does a good soldered joint look like?
Smooth and shiny, the solder flowed onto wire and pad
A round blob sitting on top of the pad
Dull and grainy, showing that the solder has fully set
Black and burnt
Après avoir soudé la patte d'un composant sur une pastille de circuit imprimé, à quoi ressemble une bonne soudure ?
Lisse et brillante, l'étain ayant coulé sur le fil et la pastille
Une boule ronde posée sur la pastille
Terne et granuleuse, signe que l'étain a bien pris
Noire et brûlée

What is a "dry joint"?
A poor joint where the solder has not bonded properly
A joint made without water
A joint made with too much flux, which must be cleaned with water
A joint on a component that is not powered
Qu'est-ce qu'une « soudure sèche » ?
Une mauvaise soudure où l'étain n'a pas bien adhéré
Une soudure faite sans eau
Une soudure avec trop de flux, à nettoyer à l'eau
Une soudure sur un composant non alimenté

Soldering produces a thin smoke from the solder wire. Why should you work in a ventilated place when soldering?
The fumes from the flux should not be breathed
To cool the soldering iron and the board between joints
Solder needs oxygen to melt
To dry the solder faster
La soudure dégage une fine fumée provenant du fil d'étain. Pourquoi travailler dans un endroit ventilé quand on soude ?
Il ne faut pas respirer les fumées du flux
Pour refroidir le fer et la carte entre deux soudures
La soudure a besoin d'oxygène pour fondre
Pour sécher la soudure plus vite

Why should you wear eye protection when cutting component leads?
Cut ends can fly off at speed
The leads are radioactive
Bright light from the cutters can blind you
It is only necessary with gold-plated leads
Pourquoi porter des lunettes de protection en coupant les pattes des composants ?
Les bouts coupés peuvent être projetés à grande vitesse
Les pattes sont radioactives
La lumière des pinces peut aveugler
Ce n'est utile qu'avec des pattes dorées

Why are many semiconductor devices handled with anti-static precautions?
Static discharge from the body can damage them
They attract dust, which makes them overheat in use
They are sensitive to light
They can explode when touched
Pourquoi manipule-t-on de nombreux semi-conducteurs avec des précautions antistatiques ?
Une décharge d'électricité statique du corps peut les endommager
Ils attirent la poussière, qui les fait surchauffer en service
Ils sont sensibles à la lumière
Ils peuvent exploser au toucher

You pause while assembling a kit. Where should the hot soldering iron be put down between uses?
In its stand, clear of cables
On the workbench next to the cables, ready to hand
On top of the transceiver
In a drawer
Vous faites une pause en montant un kit. Où poser le fer à souder chaud entre deux utilisations ?
Sur son support, loin des câbles
Sur l'établi à côté des câbles, à portée de main
Sur l'émetteur-récepteur
Dans un tiroir

Why should heat be applied only briefly when soldering a semiconductor?
Too much heat can damage the device
Heat makes the solder turn into flux
Semiconductors do not need solder
Long heating improves their gain permanently
Pourquoi ne chauffer que brièvement en soudant un semi-conducteur ?
Trop de chaleur peut endommager le composant
La chaleur transforme la soudure en flux
Les semi-conducteurs n'ont pas besoin de soudure
Un long chauffage améliore durablement leur gain

Why is lead-free solder harder to work with than the old tin-lead solder?
It melts at a higher temperature and wets less easily
It cannot be used for electronics except on power circuits
It conducts electricity poorly
It has no flux at all
Pourquoi la soudure sans plomb est-elle plus délicate à travailler que l'ancienne soudure étain-plomb ?
Elle fond à plus haute température et mouille moins facilement
Elle est inutilisable en électronique sauf sur les circuits de puissance
Elle conduit mal l'électricité
Elle ne contient jamais de flux
""")

S10 = parse("""
Looking at the back panel of a typical HF transceiver, what kind of antenna connector do you usually find?
The UHF type (PL-259 plug, SO-239 socket)
A mains plug
An RJ45 network plug carrying the RF on two pairs
A 3.5 mm jack
Au dos d'un émetteur-récepteur HF typique, quel type de connecteur d'antenne trouve-t-on habituellement ?
Le type UHF (fiche PL-259, embase SO-239)
Une prise secteur
Une fiche réseau RJ45 portant la HF sur deux paires
Un jack de 3,5 mm

You are fitting connectors to the coaxial cable of a 70 cm antenna. Which connector type is preferred at UHF and above?
N-type connectors
Crocodile clips
Screw terminals, which give the lowest loss at UHF
Banana plugs
Vous montez des connecteurs sur le câble coaxial d'une antenne 70 cm. Quel type de connecteur préfère-t-on en UHF et au-dessus ?
Le connecteur N
Des pinces crocodiles
Des borniers à vis, aux pertes les plus faibles en UHF
Des fiches banane

Why must outdoor coaxial connectors be weatherproofed?
Water getting into the cable increases its loss and corrodes it
Rain makes the connector radiate
Sunlight changes the connector impedance
It is not needed; connectors are watertight by design
Pourquoi faut-il étancher les connecteurs coaxiaux extérieurs ?
L'eau qui pénètre dans le câble augmente ses pertes et le corrode
La pluie fait rayonner le connecteur
Le soleil modifie l'impédance du connecteur
C'est inutile ; les connecteurs sont étanches par construction

What is a Morse key, either a straight key or a paddle, used for at an amateur station?
Keying the transmitter on and off to form Morse characters
Tuning the receiver
Locking the station against unauthorised use by visitors
Changing bands
À quoi sert un manipulateur Morse, pioche ou double palette, dans une station d'amateur ?
À manipuler l'émetteur pour former les caractères Morse
À accorder le récepteur
À verrouiller la station contre l'usage non autorisé de visiteurs
À changer de bande

What is an electronic keyer?
A device forming well-timed dots and dashes from a paddle
A tool for cutting keys for the shack door
A computer program that decodes SSB speech into text
A device that tunes an antenna automatically
Qu'est-ce qu'un manipulateur électronique ?
Un appareil formant des points et traits bien dosés depuis une palette
Un outil pour tailler les clés de la porte de la station
Un logiciel qui décode la parole BLU en texte
Un appareil qui accorde automatiquement une antenne

What is the function of a PTT switch on a microphone?
It switches the station from receive to transmit while pressed
It changes the frequency in steps
It mutes the receiver permanently
It switches the microphone amplifier to higher gain
Quelle est la fonction de la pédale ou du bouton d'alternat (PTT) d'un microphone ?
Il fait passer la station de réception en émission tant qu'on appuie
Il change la fréquence par pas
Il coupe définitivement le récepteur
Il augmente le gain de l'amplificateur micro

Many transceivers offer a VOX function for voice operation. What does VOX do?
It keys the transmitter when the operator speaks
It increases the volume of the receiver
It measures the voice frequency
It records the contact for the log and replays it on request
De nombreux émetteurs-récepteurs offrent une fonction VOX pour la phonie. Que fait le VOX ?
Il passe en émission quand l'opérateur parle
Il augmente le volume du récepteur
Il mesure la fréquence de la voix
Il enregistre la liaison pour le carnet et la rejoue sur demande

Why is an audio interface between a computer and a transceiver often fitted with isolating transformers?
To break ground loops that cause hum
To increase the audio level tenfold
To convert the audio signal to FM before it reaches the transceiver
To protect the computer from rain
Pourquoi une interface audio entre ordinateur et émetteur-récepteur comporte-t-elle souvent des transformateurs d'isolement ?
Pour rompre les boucles de masse qui causent du ronflement
Pour multiplier le niveau audio par dix
Pour convertir le signal audio en FM avant l'émetteur-récepteur
Pour protéger l'ordinateur de la pluie

Why should headphones be used in a station shared with other people?
They spare others the noise and help with weak signals
They improve the transmitter audio
They are required by the licence whenever other people are present
They reduce RF exposure
Pourquoi utiliser un casque dans une station partagée avec d'autres personnes ?
Il épargne le bruit aux autres et aide sur les signaux faibles
Il améliore la modulation de l'émetteur
Il est exigé par la licence dès que d'autres personnes sont présentes
Il réduit l'exposition aux RF
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10]
