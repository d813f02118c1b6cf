"""Basic topic 9: interference and its suppression."""

from basic_util import parse
import basic_calc as c

TITLE = ("Interference and its suppression", "Perturbations et leur suppression")

S01 = parse("""
What is electromagnetic compatibility (EMC)?
Equipment working without disturbing others or being disturbed
The ability of an antenna to work on several bands without a tuner
The matching of a transmitter to its feed line
A type of digital mode
Qu'est-ce que la compatibilité électromagnétique (CEM) ?
Des appareils qui fonctionnent sans perturber ni être perturbés
L'aptitude d'une antenne à fonctionner sur plusieurs bandes sans boîte d'accord
L'adaptation d'un émetteur à sa ligne
Un type de mode numérique

What is "fundamental overload" of a neighbour's equipment?
Its circuits swamped by your strong but clean signal
Your transmitter radiates harmonics that fall into the equipment's band
The equipment receives your signal through the mains supply only
The equipment is damaged by lightning
Qu'est-ce que la « saturation par le fondamental » d'un appareil voisin ?
Ses circuits submergés par votre signal fort mais propre
Votre émetteur rayonne des harmoniques qui tombent dans la bande de l'appareil
L'appareil reçoit votre signal uniquement par le secteur
L'appareil est endommagé par la foudre

Who usually has to deal with interference caused by fundamental overload of a neighbour's equipment?
The equipment needs better immunity, with filters or chokes on it
The amateur must stop transmitting permanently
The administration always replaces the equipment at the amateur's cost
Nothing can ever be done
Comment traite-t-on en général un brouillage dû à la saturation d'un appareil voisin par le fondamental ?
L'appareil a besoin d'une meilleure immunité, par filtres ou selfs
Le radioamateur doit cesser définitivement d'émettre
L'administration remplace toujours l'appareil aux frais du radioamateur
On n'y peut jamais rien

How is interference caused by harmonics of your transmitter cured?
At the transmitter, with a low-pass filter and good adjustment
At the victim's receiver only, with a high-pass filter on its input
By raising the antenna
By changing to a higher band
Comment supprime-t-on un brouillage causé par les harmoniques de votre émetteur ?
À l'émetteur, par un filtre passe-bas et un bon réglage
Seulement au récepteur perturbé, par un filtre passe-haut en entrée
En surélevant l'antenne
En passant sur une bande plus haute

What is intermodulation?
Signals mixing in a non-linear device to give new frequencies
The normal modulation of an FM transmitter by the operator's voice
The matching of two antennas
The exchange of reports between two stations
Qu'est-ce que l'intermodulation ?
Des signaux qui se mélangent dans un élément non linéaire et créent d'autres fréquences
La modulation normale d'un émetteur FM par la voix de l'opérateur
L'adaptation de deux antennes
L'échange de reports entre deux stations

What is the "rusty bolt effect"?
Corroded joints acting as diodes and producing intermodulation
A noise made by the rotator
The loss caused by a rusty antenna element, which lowers the gain
A failure of the tower's earth
Qu'est-ce que l'« effet boulon rouillé » ?
Des jonctions corrodées agissant en diodes et produisant de l'intermodulation
Un bruit fait par le rotor
La perte due à un élément d'antenne rouillé, qui réduit le gain
Une défaillance de la terre du pylône

Why should you first check whether interference also occurs with your transmitter on a dummy load?
If it persists, the problem is conducted or internal, not radiated
To measure the antenna gain by comparison with the dummy load
To test the receiver's sensitivity
It is never useful
Pourquoi vérifier d'abord si le brouillage se produit aussi avec l'émetteur sur charge fictive ?
S'il persiste, le problème est conduit ou interne, non rayonné
Pour mesurer le gain de l'antenne par comparaison avec la charge fictive
Pour tester la sensibilité du récepteur
Ce n'est jamais utile

What is spurious emission from a transmitter?
Emission outside the necessary bandwidth, e.g. harmonics
The wanted sideband of an SSB signal, when it is too strong
The carrier of a CW signal
The noise heard on the receiver
Qu'est-ce qu'une émission non essentielle d'un émetteur ?
Une émission hors de la bande nécessaire, par exemple les harmoniques
La bande latérale utile d'un signal BLU, quand elle est trop forte
La porteuse d'un signal CW
Le bruit entendu au récepteur

What are the two main ways interference reaches affected equipment?
Radiated through the air, or conducted along cables
Only through the loudspeaker
Only through the equipment's display
Through the ground water, and through the loudspeaker cone
Quelles sont les deux voies principales par lesquelles un brouillage atteint un appareil ?
Par rayonnement dans l'air, ou par conduction le long des câbles
Seulement par le haut-parleur
Seulement par l'afficheur de l'appareil
Par la nappe phréatique, et par la membrane du haut-parleur

What is "blocking" in a receiver?
Loss of sensitivity when a strong nearby signal overloads it
A blocked loudspeaker
A switch that blocks the antenna
The squelch closing on a weak signal because it is set too high
Qu'est-ce que le « blocage » d'un récepteur ?
Une perte de sensibilité quand un fort signal voisin le sature
Un haut-parleur obstrué
Un commutateur qui bloque l'antenne
Le silencieux qui se ferme sur un signal faible, réglé trop haut
""")

S02 = parse("""
Your HF transmissions disturb a neighbour's terrestrial TV reception through its antenna cable. Which filter is fitted at the TV set?
A high-pass filter passing TV and blocking HF
A low-pass filter that blocks the TV signals and passes the HF
A filter in your microphone lead
A notch filter in your own receiver
Vos émissions HF perturbent la réception de télévision terrestre d'un voisin par son câble d'antenne. Quel filtre monte-t-on au téléviseur ?
Un filtre passe-haut qui passe la TV et bloque la HF
Un filtre passe-bas qui bloque la TV et laisse passer la HF
Un filtre sur votre câble de microphone
Un filtre réjecteur dans votre propre récepteur

Why can a masthead amplifier on a neighbour's TV antenna make interference from your station worse?
Your strong signal may overload it
It receives no signals below 1 GHz
It always filters out amateur signals, so it must be removed
It reduces the TV signal to zero
Pourquoi un amplificateur en tête de mât sur l'antenne TV d'un voisin peut-il aggraver la gêne causée par votre station ?
Votre fort signal peut le saturer
Il ne reçoit aucun signal au-dessous de 1 GHz
Il filtre toujours les signaux amateurs, il faut donc le retirer
Il réduit le signal TV à zéro

Interference to FM broadcast reception appears only when you transmit on 2 m. What is a likely cause?
Overload of the receiver by the strong 2 m signal nearby
Your transmitter is broadcasting music
The broadcast station is using your frequency as a link channel
Sporadic E propagation
Une gêne à la réception de la radio FM n'apparaît que lorsque vous émettez sur le 2 m. Quelle en est une cause probable ?
La saturation du récepteur par le fort signal 2 m tout proche
Votre émetteur diffuse de la musique
La station de radiodiffusion utilise votre fréquence comme liaison
Une propagation par E sporadique

Which is the first step when a neighbour reports that your signal is heard on her equipment?
Log times and bands, check your station, and look for the cause with her
Deny it immediately
Transmit more often to show the problem is hers
Switch to a higher power so that the problem passes more quickly
Quelle est la première démarche quand une voisine signale que votre signal s'entend sur ses appareils ?
Noter heures et bandes, vérifier votre station et chercher la cause avec elle
Nier aussitôt
Émettre plus souvent pour montrer que le problème vient d'elle
Passer à une puissance plus forte pour que le problème passe plus vite

What is the purpose of a TV-interference filter fitted at the output of an HF transmitter?
A low-pass filter removing harmonics in the TV bands
A high-pass filter that removes the HF signal itself before the antenna
A filter that improves the TV picture
A filter that blocks DC from the antenna
À quoi sert un filtre anti-TVI monté en sortie d'un émetteur HF ?
C'est un filtre passe-bas qui ôte les harmoniques des bandes TV
C'est un filtre passe-haut qui ôte le signal HF lui-même avant l'antenne
C'est un filtre qui améliore l'image TV
C'est un filtre qui bloque le continu vers l'antenne

Why do modern digital TV sets react to interference differently from old analogue sets?
The picture stays perfect until it freezes or is lost
Digital sets cannot be disturbed at all
Digital sets show coloured stripes only, never a frozen picture
Digital sets lose only the sound
Pourquoi les téléviseurs numériques modernes réagissent-ils aux perturbations autrement que les anciens téléviseurs analogiques ?
L'image reste parfaite jusqu'à se figer ou disparaître
Les téléviseurs numériques ne peuvent pas être perturbés
Les téléviseurs numériques montrent seulement des bandes colorées, jamais une image figée
Les téléviseurs numériques ne perdent que le son

How can poor-quality TV coaxial cable or loose connectors make interference worse?
Poor screening lets your signal into the cable
They make your signal weaker
They filter out all HF automatically, and so hide the true cause
They have no effect at all
Comment un câble coaxial TV de mauvaise qualité ou des connecteurs mal serrés peuvent-ils aggraver les perturbations ?
Un mauvais blindage laisse votre signal entrer dans le câble
Ils affaiblissent votre signal
Ils filtrent automatiquement toute la HF et cachent ainsi la vraie cause
Ils n'ont aucun effet

Who should fit filters or chokes inside a neighbour's equipment?
Nobody without the owner's agreement; external ones are preferred
The amateur, without asking, as soon as the problem appears
Any passer-by
The amateur's club, whatever the owner says, since it has the tools
Qui doit monter des filtres ou des selfs à l'intérieur des appareils d'un voisin ?
Personne sans l'accord du propriétaire ; on préfère les modèles extérieurs
Le radioamateur, sans demander, dès l'apparition du problème
N'importe quel passant
Le club du radioamateur, quoi qu'en dise le propriétaire, car il a l'outillage

What is a "braid-breaker" on a TV antenna cable?
A device that stops currents on the outside of the braid
A tool for cutting coaxial cable and stripping its braid cleanly
A connector that shorts the cable
An amplifier for weak TV signals
Qu'est-ce qu'un « coupe-tresse » sur un câble d'antenne TV ?
Un dispositif qui arrête les courants sur l'extérieur de la tresse
Un outil pour couper le coaxial et dénuder proprement sa tresse
Un connecteur qui court-circuite le câble
Un amplificateur pour signaux TV faibles

Why should you keep a record of any interference complaint and the steps taken?
It shows what was tried, useful if the administration reviews it
It is needed for QSL cards sent to the neighbours concerned
It improves the SWR
It is not useful at all
Pourquoi tenir un registre de toute plainte de brouillage et des mesures prises ?
Il montre ce qui a été essayé, utile si l'administration s'en saisit
Il est nécessaire pour les cartes QSL envoyées aux voisins concernés
Il améliore le ROS
Il ne sert à rien
""")

S03 = parse("""
What is audio rectification?
Audio equipment detecting your RF, so your voice is heard in it
The conversion of mains AC to DC in the power supply of an amplifier
The normal operation of a loudspeaker
A fault in the microphone of your transmitter
Qu'est-ce que la détection audio (rectification) ?
Un appareil audio qui détecte votre HF, si bien qu'on y entend votre voix
La transformation du secteur en continu dans l'alimentation d'un amplificateur
Le fonctionnement normal d'un haut-parleur
Un défaut du microphone de votre émetteur

Your SSB voice is heard, distorted, on a neighbour's hi-fi system even when it is switched to a CD. What is the likely path?
RF picked up on the leads and detected in the amplifier
Your signal is received by the CD player's tuner, which stays on
Your transmitter is broadcasting on the FM band
The neighbour's CD contains your recording
Votre voix BLU s'entend, déformée, sur la chaîne hi-fi d'un voisin même réglée sur un CD. Quel est le chemin probable ?
La HF captée par les câbles et détectée dans l'amplificateur
Votre signal est reçu par le tuner du lecteur CD, resté allumé
Votre émetteur diffuse dans la bande FM
Le CD du voisin contient votre enregistrement

Which remedy often cures RF getting into a hi-fi amplifier through its loudspeaker leads?
Ferrite chokes on the leads, close to the amplifier
A longer antenna on your station, to raise the radiation angle
A high-pass filter in your feed line
Turning up the hi-fi volume
Quel remède guérit souvent une HF qui entre dans un amplificateur hi-fi par ses câbles de haut-parleurs ?
Des selfs en ferrite sur les câbles, près de l'amplificateur
Une antenne plus longue à votre station, pour relever l'angle de rayonnement
Un filtre passe-haut sur votre ligne
Augmenter le volume de la chaîne

A neighbour hears your Morse as clicks on her wired telephone. What is a common cure?
An RF filter at the telephone, or ferrite chokes on its cables
A higher CW speed
Moving your transmitter to another room only
Using a shorter telephone cable in your own house, near the station
Une voisine entend votre Morse sous forme de claquements sur son téléphone filaire. Quel est un remède courant ?
Un filtre HF au téléphone, ou des selfs en ferrite sur ses câbles
Une vitesse de manipulation plus rapide
Le simple déplacement de votre émetteur dans une autre pièce
Un câble téléphonique plus court dans votre maison, près de la station

Why does CW often sound like clicks or thumps, and SSB like distorted speech, in affected audio equipment?
The equipment detects the changes in amplitude of your signal
The equipment decodes Morse digitally
Your transmitter sends audio on two frequencies
It is caused by the neighbour's mains supply alone
Pourquoi la CW ressemble-t-elle souvent à des claquements, et la BLU à une voix déformée, dans un appareil audio perturbé ?
L'appareil détecte les variations d'amplitude de votre signal
L'appareil décode le Morse numériquement
Votre émetteur envoie de l'audio sur deux fréquences
C'est dû au seul secteur du voisin

Why is FM transmission less likely than SSB to be heard in audio equipment affected by audio rectification?
FM has a constant amplitude, so the detected level barely varies
FM is never picked up by cables
FM signals are always weak
FM uses lower frequencies, which do not reach audio equipment
Pourquoi une émission FM s'entend-elle moins que la BLU dans un appareil audio sujet à la détection ?
La FM a une amplitude constante, le niveau détecté varie donc peu
Les câbles ne captent jamais la FM
Les signaux FM sont toujours faibles
La FM utilise des fréquences plus basses, qui n'atteignent pas les appareils audio

Which component, fitted across the input of an audio amplifier, helps stop RF detection there?
A small capacitor that bypasses RF to ground
A large inductor in series with the mains
A Zener diode across the loudspeaker
A fuse in the input lead
Quel composant, monté à l'entrée d'un amplificateur audio, aide à empêcher la détection de la HF ?
Un petit condensateur qui dérive la HF vers la masse
Une grosse bobine en série avec le secteur
Une diode Zener sur le haut-parleur
Un fusible dans le câble d'entrée

Why can your own station's computer speakers pick up your transmissions?
Their cables and amplifier detect the nearby RF field
Computer speakers are designed to receive radio
Your transmitter sends audio to them over Wi-Fi when you transmit
Speakers generate RF when switched off
Pourquoi les haut-parleurs de l'ordinateur de votre propre station peuvent-ils capter vos émissions ?
Leurs câbles et leur amplificateur détectent le champ HF proche
Les haut-parleurs d'ordinateur sont conçus pour recevoir la radio
Votre émetteur leur envoie l'audio par Wi-Fi quand vous émettez
Les haut-parleurs produisent de la HF quand ils sont éteints

What is a good test to find which lead brings RF into an affected audio system?
Unplug leads one at a time while a helper transmits
Turn all equipment off and on again
Increase your transmit power step by step and note the level of the noise
Replace all the loudspeakers at once
Quel est un bon essai pour trouver quel câble amène la HF dans une installation audio perturbée ?
Débrancher les câbles un par un pendant qu'un aide émet
Éteindre et rallumer tous les appareils
Augmenter la puissance par paliers en notant le niveau du bruit
Remplacer tous les haut-parleurs d'un coup

Why are long unshielded cables in a house especially likely to pick up RF?
They act as unintended antennas, above all near resonance
They are always made of iron
Short cables never carry any signal, so only long ones are affected
Shielding attracts RF
Pourquoi les longs câbles non blindés d'une maison captent-ils particulièrement la HF ?
Ils agissent en antennes involontaires, surtout près de la résonance
Ils sont toujours en fer
Les câbles courts ne portent aucun signal, seuls les longs sont touchés
Le blindage attire la HF
""")

S04 = parse("""
What is a clamp-on ferrite choke used for?
To add impedance to common-mode currents without cutting the cable
To join two coaxial cables without any soldering
To measure the current in a cable
To protect a cable from rain
À quoi sert une ferrite à clipser ?
À freiner les courants de mode commun sans couper le câble
À raccorder deux câbles coaxiaux sans aucune soudure
À mesurer le courant dans un câble
À protéger un câble de la pluie

Why is a cable often wound several turns through a ferrite ring rather than passed through once?
Impedance rises roughly with the square of the turns
One turn gives too much impedance and would block the wanted signal
Several turns reduce the ring's weight
It makes no difference at all
Pourquoi enroule-t-on souvent un câble de plusieurs spires dans un tore de ferrite au lieu de le passer une fois ?
L'impédance croît environ comme le carré des spires
Une spire donne trop d'impédance et bloquerait le signal utile
Plusieurs spires allègent le tore
Cela ne change rien

Why must the ferrite material of a choke be chosen for the frequency concerned?
Each mix works well only over a certain range
All ferrites behave identically, but their price varies with frequency
Ferrites only work on DC
The colour of the ferrite sets the frequency
Pourquoi choisir le matériau de ferrite d'une self selon la fréquence concernée ?
Chaque matériau n'agit bien que sur une certaine gamme
Toutes les ferrites se valent, mais leur prix varie selon la fréquence
Les ferrites ne fonctionnent qu'en continu
La couleur de la ferrite fixe la fréquence

Does a ferrite choke on a coaxial cable affect the wanted signal inside the cable?
No, it acts only on common-mode currents outside
Yes, it blocks the wanted signal completely above 10 MHz
Yes, it doubles the wanted signal
Only when the SWR is 1:1
Une self en ferrite sur un câble coaxial affecte-t-elle le signal utile à l'intérieur du câble ?
Non, elle n'agit que sur les courants de mode commun extérieurs
Oui, elle bloque complètement le signal utile au-dessus de 10 MHz
Oui, elle double le signal utile
Seulement quand le ROS est de 1:1

Where should a ferrite choke be placed on a lead that brings RF into a device?
As close as possible to the device being protected
In the middle of the lead, whatever its length
At the far end, away from the device
Anywhere on your own antenna
Où placer une self en ferrite sur un câble qui amène de la HF dans un appareil ?
Le plus près possible de l'appareil à protéger
Au milieu du câble, quelle que soit sa longueur
À l'autre bout, loin de l'appareil
N'importe où sur votre propre antenne

Why can RF current on the outside of your own feed line cause interference in your house?
The line then radiates indoors, near wiring and equipment
The current stays inside the coax
RF currents cannot flow on a shield
It only affects the antenna pattern outdoors, far from the house
Pourquoi un courant HF circulant sur l'extérieur de votre propre ligne peut-il provoquer des perturbations dans votre maison ?
La ligne rayonne alors à l'intérieur, près du câblage et des appareils
Le courant reste à l'intérieur du coaxial
Les courants HF ne peuvent pas circuler sur un blindage
Cela n'affecte que le diagramme de l'antenne dehors, loin de la maison

What is a mains filter used for in a station?
To stop RF entering or leaving equipment by the mains lead
To raise the mains voltage
To measure the power consumption of the station over a day
To make the mains supply DC
À quoi sert un filtre secteur dans une station ?
À empêcher la HF d'entrer ou de sortir par le cordon secteur
À élever la tension du secteur
À mesurer la consommation de la station sur une journée
À rendre le secteur continu

Why do ferrite beads sometimes not cure interference on the lowest HF bands?
Small beads give too little impedance there; bigger cores are needed
Ferrite never works below 10 MHz, whatever the size of the core
Low frequencies never cause interference
Beads only work on DC cables
Pourquoi les perles de ferrite ne guérissent-elles parfois pas les perturbations sur les bandes HF les plus basses ?
Les petites perles y donnent trop peu d'impédance ; il faut de plus gros noyaux
La ferrite ne fonctionne jamais sous 10 MHz, quelle que soit la taille du noyau
Les basses fréquences ne provoquent jamais de perturbations
Les perles ne fonctionnent que sur les câbles continus

What is the benefit of a choke balun at the feed point of a dipole fed with coax?
Less feed-line radiation, so less interference and a cleaner pattern
It raises the antenna impedance to 300 ohms for open-wire line
It adds gain in all directions
It makes the antenna work on twice the frequency
Quel est l'intérêt d'un balun à choc au point d'alimentation d'un dipôle alimenté en coaxial ?
Moins de rayonnement de ligne, donc moins de perturbations et un diagramme propre
Il porte l'impédance de l'antenne à 300 ohms pour une ligne bifilaire
Il ajoute du gain dans toutes les directions
Il fait fonctionner l'antenne au double de la fréquence

What does the shield of a coaxial cable do for a receiver against local noise?
It keeps noise along the cable's route out of the receiver
It amplifies the noise from the antenna along with the signal
It converts noise into signal
It has no effect on noise
Que fait le blindage d'un câble coaxial pour un récepteur face au bruit local ?
Il empêche le bruit capté le long du câble d'atteindre le récepteur
Il amplifie le bruit venant de l'antenne en même temps que le signal
Il transforme le bruit en signal
Il n'a aucun effet sur le bruit
""")

S05 = parse("""
Which station practice helps most to avoid interference to neighbours?
An outdoor antenna far from houses, fed with a well-choked line
An indoor antenna right next to the house wiring, to keep it hidden
Using the highest power at all times
A long wire running across the neighbour's garden
Quelle pratique de station aide le plus à éviter de perturber les voisins ?
Une antenne extérieure loin des maisons, alimentée par une ligne bien bloquée
Une antenne intérieure juste à côté du câblage, pour qu'elle reste cachée
Utiliser en permanence la plus forte puissance
Un long fil traversant le jardin du voisin

Why can using an antenna inside the house lead to more interference problems?
The RF field is strong close to household wiring and equipment
Indoor antennas radiate no signal
Indoor antennas only work on receive
Walls reflect the signal back into the transmitter only
Pourquoi une antenne placée à l'intérieur de la maison peut-elle causer plus de problèmes de perturbations ?
Le champ HF est fort près du câblage et des appareils domestiques
Les antennes intérieures ne rayonnent aucun signal
Les antennes intérieures ne fonctionnent qu'en réception
Les murs réfléchissent le signal uniquement vers l'émetteur

How does reducing transmitter power help with interference problems?
A weaker field lowers the interference
It changes the frequency of the harmonics so that they fall outside the TV bands
It has no effect
It increases the interference
En quoi la réduction de la puissance d'émission aide-t-elle face aux perturbations ?
Un champ plus faible réduit la perturbation
Elle change la fréquence des harmoniques pour qu'ils sortent des bandes TV
Elle n'a aucun effet
Elle augmente la perturbation

Why do end-fed wires brought straight into the shack often cause "RF in the shack"?
The station equipment becomes part of the antenna system
End-fed wires do not radiate, so all the power stays in the shack
They make the SWR exactly 1:1
They need no ground
Pourquoi les fils alimentés par une extrémité amenés directement dans la station causent-ils souvent de la « HF dans la station » ?
Le matériel de la station devient une partie du système d'antenne
Les fils alimentés en bout ne rayonnent pas, et toute la puissance reste dans la station
Ils donnent un ROS d'exactement 1:1
Ils n'ont pas besoin de terre

What are the signs of "RF in the shack"?
Tingling cases, distorted audio or misbehaving equipment on transmit
A very low SWR on all bands, whatever the antenna
Silence on all bands
A blown fuse in the receiver only
Quels sont les signes de « HF dans la station » ?
Boîtiers qui picotent, modulation déformée ou appareils déréglés en émission
Un ROS très bas sur toutes les bandes, quelle que soit l'antenne
Un silence sur toutes les bandes
Un fusible fondu dans le récepteur seulement

Why should all station equipment be bonded together with short, wide straps?
To hold the cases at one RF potential
To make the station look tidy
To increase the receiver gain by lowering the noise floor
To keep the equipment from moving
Pourquoi relier tout le matériel de la station par des tresses courtes et larges ?
Pour garder les boîtiers au même potentiel HF
Pour que la station ait l'air ordonnée
Pour augmenter le gain du récepteur en abaissant le bruit de fond
Pour empêcher le matériel de bouger

Why is a long ground wire from an upstairs station to a ground rod often ineffective at RF?
At RF it has high impedance and may radiate
A long wire has no resistance
The ground rod absorbs all the RF, leaving none for the antenna
It always works perfectly
Pourquoi un long fil de terre entre une station à l'étage et un piquet est-il souvent inefficace en HF ?
En HF il a une forte impédance et peut rayonner
Un long fil n'a pas de résistance
Le piquet absorbe toute la HF et n'en laisse pas pour l'antenne
Il fonctionne toujours parfaitement

Why should transmitting antennas not run parallel and close to telephone or power lines?
Energy couples into the lines and is carried into houses
It raises the resonant frequency
It improves the antenna's gain
The lines shield the antenna from lightning and must stay close
Pourquoi les antennes d'émission ne doivent-elles pas courir parallèlement et près de lignes téléphoniques ou électriques ?
L'énergie passe dans les lignes et entre dans les maisons
Cela élève la fréquence de résonance
Cela améliore le gain de l'antenne
Les lignes protègent l'antenne de la foudre et doivent rester proches

Why are horizontally polarised antennas sometimes less troublesome for household interference than verticals?
They couple less to vertical house wiring and sit higher
They radiate no energy downward, so houses below receive nothing
They do not need a feed line
They always have more gain
Pourquoi les antennes à polarisation horizontale causent-elles parfois moins de perturbations domestiques que les verticales ?
Elles se couplent moins au câblage vertical et sont placées plus haut
Elles ne rayonnent rien vers le bas, les maisons ne reçoivent donc rien
Elles n'ont pas besoin de ligne
Elles ont toujours plus de gain

Why should you check your station with a friend's receiver for clean signals after building a new amplifier?
To make sure it is free of harmonics, parasitics and splatter
To calibrate the friend's receiver against your new amplifier
To measure the amplifier's weight
Because a new amplifier always needs to be heard by another station by law
Pourquoi faire vérifier la propreté de vos signaux par le récepteur d'un ami après avoir construit un nouvel amplificateur ?
Pour s'assurer qu'il est exempt d'harmoniques, de parasites et de débordements
Pour étalonner le récepteur de l'ami sur votre nouvel amplificateur
Pour mesurer le poids de l'amplificateur
Parce que la loi exige toujours qu'un nouvel amplificateur soit écouté par une autre station
""")

S06 = parse("""
Which household devices are common sources of broadband noise on the HF bands?
Switch-mode supplies, cheap LED lamps and chargers, plasma TV sets
Incandescent bulbs that are switched off
Mechanical thermostats that never switch
Battery-powered clocks and wooden furniture
Quels appareils domestiques sont des sources courantes de bruit à large bande sur les bandes HF ?
Alimentations à découpage, lampes LED et chargeurs bon marché, téléviseurs plasma
Les ampoules à incandescence éteintes
Les thermostats mécaniques qui ne commutent jamais
Les horloges à pile et les meubles en bois

What does noise from a faulty switch-mode power supply often sound like on an HF receiver?
A buzz or rough carriers every few kilohertz
A clear voice repeating the same words
A single pure tone at one frequency
Morse code
À quoi ressemble souvent, dans un récepteur HF, le bruit d'une alimentation à découpage défectueuse ?
Un bourdonnement ou des porteuses rauques tous les quelques kilohertz
Une voix claire répétant les mêmes mots
Une seule note pure sur une fréquence
Du code Morse

What is power-line noise usually caused by?
Arcing at faulty insulators or loose hardware
The normal current flowing in the line, whatever its condition
Birds sitting on the line
The line's magnetic field at 50 Hz only
Par quoi le bruit des lignes électriques est-il généralement causé ?
Par des arcs sur des isolateurs défectueux ou des ferrures desserrées
Par le courant normal de la ligne, quel que soit son état
Par les oiseaux posés sur la ligne
Par le seul champ magnétique à 50 Hz de la ligne

Why can data sent over household mains wiring (power-line adapters) cause interference on HF?
The unshielded wiring radiates the data signals
The adapters transmit on VHF only
Data signals never leave the wiring, but they raise the mains voltage
They only disturb telephones
Pourquoi les données transmises par le câblage secteur domestique (adaptateurs CPL) peuvent-elles perturber la HF ?
Le câblage non blindé rayonne les signaux de données
Les adaptateurs n'émettent qu'en VHF
Les données ne quittent jamais le câblage, mais elles élèvent la tension du secteur
Ils ne perturbent que les téléphones

A noise on HF is suspected to come from an electric fence in a nearby field. How does such noise usually sound?
Regular clicks or pops about once a second
A continuous musical tone
A distorted voice
Silence with occasional whistles
On soupçonne qu'un bruit en HF vient d'une clôture électrique dans un champ voisin. Comment sonne habituellement un tel bruit ?
Des claquements réguliers environ une fois par seconde
Une note musicale continue
Une voix déformée
Un silence ponctué de sifflements

A noise on 10 m gets worse whenever a neighbour's old petrol car is running. Which kind of noise does an ignition system produce?
Clicks whose rate follows the engine speed
A steady hum at 50 Hz from the car's alternator and battery
Slow fading
A whistle at 1 kHz
Un bruit sur le 10 m s'aggrave dès que tourne la vieille voiture à essence d'un voisin. Quel genre de bruit produit un système d'allumage ?
Des claquements au rythme du moteur
Un ronflement continu à 50 Hz venant de l'alternateur et de la batterie
Un évanouissement lent
Un sifflement à 1 kHz

Why are many modern noise problems worse on the lower HF bands?
Noise sources emit more there, and house wiring radiates well
Low bands have no ionosphere
Antennas for low bands are always directional
Noise sources only exist at night, when the low bands are used
Pourquoi de nombreux problèmes de bruit modernes sont-ils pires sur les bandes HF basses ?
Les sources de bruit y émettent plus, et le câblage y rayonne bien
Les bandes basses n'ont pas d'ionosphère
Les antennes pour bandes basses sont toujours directives
Les sources de bruit n'existent que la nuit, quand on utilise les bandes basses

Which is a likely noise source if a loud buzz appears on HF only when a certain room light is switched on?
The driver of an LED lamp or a dimmer
The glass of the light bulb, which vibrates when it is warm
The wall paint
The room's furniture
Quelle source de bruit est probable si un fort bourdonnement n'apparaît en HF que lorsqu'on allume une certaine lampe ?
Le circuit d'une lampe LED ou d'un variateur
Le verre de l'ampoule, qui vibre quand il chauffe
La peinture du mur
Les meubles de la pièce

What may a broadband internet connection on telephone wires produce on HF receivers?
Noise in parts of HF, radiated by the telephone wiring
Nothing, because such connections use optical fibre only
A clear signal on 2 m
Only hum at 50 Hz
Que peut produire une connexion internet haut débit sur fils téléphoniques dans les récepteurs HF ?
Du bruit sur une partie de la HF, rayonné par la ligne téléphonique
Rien, car ces connexions n'utilisent que la fibre optique
Un signal clair sur le 2 m
Seulement un ronflement à 50 Hz

Why should you prefer well-designed power supplies with proper filtering in your own station?
Poorly filtered ones radiate noise that masks weak signals
Filtered supplies produce more current for the same size and weight
Filtering increases the output voltage
It makes no difference to reception
Pourquoi préférer dans votre propre station des alimentations bien conçues et bien filtrées ?
Les mal filtrées rayonnent un bruit qui masque les signaux faibles
Les alimentations filtrées fournissent plus de courant à taille et poids égaux
Le filtrage augmente la tension de sortie
Cela ne change rien à la réception
""")

S07 = parse("""
What is the simplest first test to find whether a noise source is in your own house?
Listen on battery power and switch off the main breaker
Raise the antenna by a few metres and compare the noise level
Call the administration
Replace the receiver
Quel est le premier essai le plus simple pour savoir si une source de bruit se trouve dans votre propre maison ?
Écouter sur batterie et couper le disjoncteur général
Surélever l'antenne de quelques mètres et comparer le niveau de bruit
Appeler l'administration
Remplacer le récepteur

How can a portable receiver help locate a noise source outside the house?
By walking with it and noting where the noise is strongest
By recording the noise for a week and comparing the recordings
By turning the volume to maximum at home
By listening only on FM
Comment un récepteur portatif aide-t-il à localiser une source de bruit hors de la maison ?
En marchant avec lui et en notant où le bruit est le plus fort
En enregistrant le bruit pendant une semaine et en comparant les enregistrements
En montant le volume au maximum à la maison
En écoutant seulement en FM

Why is a VHF or UHF receiver sometimes used to pinpoint power-line noise heard on HF?
Arcing noise reaches higher frequencies, where small beams locate it
Power lines only radiate on VHF, and the HF noise is only an image
HF receivers cannot hear power-line noise
VHF receivers block noise completely
Pourquoi utilise-t-on parfois un récepteur VHF ou UHF pour localiser précisément un bruit de ligne électrique entendu en HF ?
Le bruit d'arc atteint les fréquences hautes, où de petites directives le localisent
Les lignes ne rayonnent qu'en VHF, le bruit HF n'étant qu'une image
Les récepteurs HF n'entendent pas le bruit des lignes
Les récepteurs VHF bloquent totalement le bruit

Why is it useful to note the times when a noise is present?
The pattern may match a device that runs at set hours
Noise only happens at noon
It changes the noise's frequency
It is required for the licence, which asks for a noise log each year
Pourquoi est-il utile de noter les heures de présence d'un bruit ?
La régularité peut trahir un appareil qui fonctionne à heures fixes
Le bruit n'existe qu'à midi
Cela change la fréquence du bruit
C'est exigé par la licence, qui demande un relevé de bruit chaque année

A noise appears on all HF bands when your own computer is on. What is a sensible first step?
Choke its cables, and consider another power supply
Increase the transmitter power
Move the antenna closer to the computer so that its signal dominates
Use a longer network cable
Un bruit apparaît sur toutes les bandes HF quand votre ordinateur est allumé. Quelle est une première démarche sensée ?
Mettre des selfs sur ses câbles et envisager une autre alimentation
Augmenter la puissance de l'émetteur
Rapprocher l'antenne de l'ordinateur pour que son signal domine
Utiliser un câble réseau plus long

Why should you be careful and polite when you find that a neighbour's device causes noise?
The neighbour may not know; friendly help works best
Because the neighbour has priority on all frequencies
Because the administration will fine you for asking the neighbour anything
Because noise is always the amateur's fault
Pourquoi faut-il être prudent et courtois quand on découvre qu'un appareil d'un voisin produit du bruit ?
Le voisin l'ignore peut-être ; une aide amicale marche le mieux
Parce que le voisin a priorité sur toutes les fréquences
Parce que l'administration vous mettra à l'amende pour avoir sollicité le voisin
Parce que le bruit est toujours la faute du radioamateur

Who should deal with noise coming from a fault on an overhead power line?
The power network operator, once told of it
The amateur, by climbing the pole
Nobody; it cannot be fixed
The local radio club, by cutting the line during the night
Qui doit traiter un bruit provenant d'un défaut sur une ligne électrique aérienne ?
Le gestionnaire du réseau, une fois prévenu
Le radioamateur, en grimpant au poteau
Personne ; on ne peut pas le réparer
Le radio-club local, en coupant la ligne pendant la nuit

What is a noise-cancelling accessory in the receive path, with a separate noise antenna, used for?
Matching the noise in phase and level so it cancels in the main antenna
Cancelling all signals on the band except the strongest one
Increasing the transmitter power when the noise is high
Tuning the main antenna automatically to the quietest frequency
À quoi sert un accessoire d'annulation de bruit sur la voie de réception, avec une antenne de bruit séparée ?
Ajuster phase et niveau du bruit pour l'annuler dans l'antenne principale
Annuler tous les signaux de la bande sauf le plus fort
Augmenter la puissance de l'émetteur quand le bruit est fort
Accorder automatiquement l'antenne principale sur la fréquence la plus calme

Why does an S-meter reading of the noise level with the antenna connected and disconnected help?
It shows whether the noise comes via the antenna or from within
It measures the antenna gain by comparison with the receiver alone
It calibrates the S-meter
It makes no difference
Pourquoi relever le niveau de bruit au S-mètre avec l'antenne branchée puis débranchée est-il utile ?
Cela montre si le bruit vient par l'antenne ou de l'intérieur
Cela mesure le gain de l'antenne par comparaison avec le récepteur seul
Cela étalonne le S-mètre
Cela ne change rien

What is a directional loop antenna useful for when hunting noise?
Its sharp null helps find the direction of the source
It amplifies the noise source so that it can be heard from further away
It blocks all directions equally
It makes the noise source stop
À quoi sert une antenne cadre directive pour rechercher une source de bruit ?
Son minimum marqué aide à trouver la direction de la source
Elle amplifie la source de bruit pour qu'on l'entende de plus loin
Elle bloque toutes les directions de la même façon
Elle fait cesser la source de bruit
""")

S08 = parse("""
A neighbour complains, angrily, about interference she blames on your station. What attitude works best?
Stay calm and helpful, and offer to look for the cause
Refuse to discuss it
Threaten legal action at once
Transmit more, to prove that your station is not the cause
Une voisine se plaint, en colère, d'une gêne qu'elle attribue à votre station. Quelle attitude donne les meilleurs résultats ?
Rester calme et serviable, et proposer de chercher la cause
Refuser d'en parler
Menacer immédiatement de poursuites
Émettre davantage, pour prouver que votre station n'y est pour rien

How can you show a neighbour whether interference is linked to your station?
Tests at agreed times, on various bands and powers, while she watches
Switch off your station without telling her
Ask her to switch off all her equipment for a week and see what happens
Transmit only at night
Comment montrer à une voisine si une gêne est liée à votre station ?
Des essais à heures convenues, sur diverses bandes et puissances, sous ses yeux
Éteindre votre station sans la prévenir
Lui demander d'éteindre tous ses appareils une semaine et voir ce qui se passe
N'émettre que la nuit

Your station is clean, but a neighbour's equipment is affected by your legitimate signal. What is the best course?
Explain kindly and help fit filters or chokes, with her agreement
Tell her she must buy a new TV
Stop operating for good
Ignore her, since the fault is not yours and the law is on your side
Votre station est propre, mais un appareil de votre voisine est perturbé par votre signal légitime. Quelle est la meilleure conduite ?
Expliquer gentiment et aider à poser filtres ou selfs, avec son accord
Lui dire qu'elle doit acheter un nouveau téléviseur
Cesser définitivement de trafiquer
L'ignorer, la faute n'étant pas la vôtre et la loi étant de votre côté

While a solution is being found, what is a reasonable temporary measure?
Avoid the bands or times that cause trouble, or reduce power
Transmit continuously to test the filters as quickly as possible
Change your call sign
Use a higher power to speed things up
En attendant une solution, quelle mesure provisoire est raisonnable ?
Éviter les bandes ou heures gênantes, ou réduire la puissance
Émettre en continu pour essayer les filtres le plus vite possible
Changer d'indicatif
Augmenter la puissance pour aller plus vite

Why is it worth contacting your national amateur society when an interference case becomes difficult?
Many have experienced advisers and useful information
The society will always pay for new equipment
The society can have the neighbour's equipment changed by law
It is required before every transmission
Pourquoi vaut-il la peine de contacter votre association nationale quand un cas de brouillage devient difficile ?
Beaucoup ont des conseillers expérimentés et des informations utiles
L'association paie toujours le nouveau matériel
L'association peut faire changer les appareils du voisin par la loi
C'est exigé avant chaque émission

What may the administration do if an interference complaint cannot be solved between neighbours?
Investigate and decide what each party must do
Nothing at all in any country
Always close the amateur station for life
Always order the neighbour to move house, as the amateur was there first
Que peut faire l'administration si une plainte de brouillage ne peut pas être réglée entre voisins ?
Enquêter et décider ce que chaque partie doit faire
Rien du tout, dans aucun pays
Toujours fermer la station d'amateur à vie
Toujours ordonner au voisin de déménager, le radioamateur étant là avant

Which evidence best supports an amateur in an interference dispute?
A clean station, a complete log and a record of measures
Letters from friends on other continents praising the signal
A high SWR reading
A large antenna
Quelle preuve soutient le mieux un radioamateur dans un litige de brouillage ?
Une station propre, un carnet complet et un registre des mesures
Des lettres d'amis d'autres continents vantant le signal
Un ROS élevé
Une grande antenne

Why is it helpful to check your own household equipment for interference before a neighbour complains?
Problems at home show what may happen next door
It changes the neighbour's wiring through the shared mains supply
It increases your range
It is required for QSL cards
Pourquoi est-il utile de vérifier vos propres appareils domestiques avant qu'un voisin se plaigne ?
Les problèmes chez vous montrent ce qui peut arriver à côté
Cela modifie le câblage du voisin par le secteur commun
Cela augmente votre portée
C'est exigé pour les cartes QSL

Scenario: on some evenings your neighbour hears your voice on her baby monitor, her wired telephone clicks, and her television sometimes freezes, but only while you transmit SSB on 80 m with 100 W into an end-fed wire whose far end is tied to a tree above her garden fence. Your own equipment shows no fault on a dummy load, and no other neighbour has ever complained. Which plan deals with the most likely cause first?
Move the wire away from her house, add a common-mode choke, then lower power and fit filters on her devices
Keep the antenna but add a high-pass filter in your own feed line
Double the power so that the transmissions end sooner
Replace your microphone and change to the lower sideband
Situation : certains soirs, votre voisine entend votre voix sur son babyphone, son téléphone filaire claque et son téléviseur se fige parfois, mais seulement si vous émettez en BLU sur 80 m avec 100 W dans un fil alimenté par l'extrémité, attaché à un arbre au-dessus de sa clôture. Votre matériel est sans défaut sur charge fictive et nul autre voisin ne se plaint. Quel plan traite d'abord la cause la plus probable ?
Éloigner le fil de sa maison, ajouter une self de mode commun, puis réduire la puissance et filtrer ses appareils
Garder l'antenne mais ajouter un filtre passe-haut sur votre propre ligne
Doubler la puissance pour que les émissions finissent plus tôt
Remplacer votre microphone et passer en bande latérale inférieure
""")

S09 = c.harmonic([("7.15", 3), ("14.1", 3), ("3.6", 4)]) + parse("""
A station on 7.1 MHz is told that its signal appears on 14.2 MHz. What should it suspect?
Its second harmonic
Its image frequency, produced by its own receiver
Fundamental overload of its own receiver
Normal sporadic E propagation
Une station émettant sur 7,1 MHz apprend que son signal apparaît sur 14,2 MHz. Que doit-elle soupçonner ?
Son harmonique 2
Sa fréquence image, produite par son propre récepteur
La saturation de son propre récepteur par le fondamental
Une propagation par E sporadique normale

Why is the harmonic of a 2 m transmitter a special concern?
Harmonics may fall in bands of other services, such as aeronautical ones
2 m transmitters have no harmonics
Harmonics of 2 m signals always fall in the 80 m band, which is crowded
Harmonics only matter on HF
Pourquoi les harmoniques d'un émetteur 2 m méritent-ils une attention particulière ?
Ses harmoniques peuvent tomber dans les bandes d'autres services, comme l'aéronautique
Les émetteurs 2 m n'ont pas d'harmoniques
Les harmoniques des signaux 2 m tombent toujours dans la bande des 80 m, très encombrée
Les harmoniques ne comptent qu'en HF

Why might a second harmonic from 28 MHz disturb reception around 56 MHz?
Twice 28 MHz is 56 MHz, used by other services in some areas
Harmonics are always at half the frequency, here 14 MHz, then 56 MHz
28 MHz signals cannot produce harmonics
56 MHz is an amateur band worldwide
Pourquoi l'harmonique 2 d'une émission sur 28 MHz peut-il perturber la réception vers 56 MHz ?
Deux fois 28 MHz font 56 MHz, utilisés ailleurs par d'autres services
Les harmoniques sont toujours à la moitié de la fréquence, ici 14 MHz puis 56 MHz
Les signaux sur 28 MHz ne peuvent pas produire d'harmoniques
56 MHz est une bande amateur dans le monde entier

What is the most common reason for a transmitter suddenly producing strong harmonics?
A fault or misadjustment in the output stage, or overdrive
Using a good dummy load, which reflects the harmonics back
The weather
A change of licence class
Quelle est la raison la plus courante pour laquelle un émetteur produit soudain de forts harmoniques ?
Un défaut ou un mauvais réglage de l'étage de sortie, ou une surexcitation
L'emploi d'une bonne charge fictive, qui renvoie les harmoniques
La météo
Un changement de classe de licence

Which measure reduces the harmonics radiated by an antenna system?
A low-pass filter between transmitter and antenna
A longer coaxial cable
A high-pass filter at the transmitter output, before the antenna
An antenna with higher gain
Quelle mesure réduit les harmoniques rayonnés par un système d'antenne ?
Un filtre passe-bas entre émetteur et antenne
Un câble coaxial plus long
Un filtre passe-haut en sortie d'émetteur, avant l'antenne
Une antenne à gain plus élevé

Why can a multiband antenna radiate harmonics more readily than a single-band antenna?
It may also resonate at the harmonic frequency
It always has a higher SWR, which creates new harmonics
It cannot be matched
Single-band antennas radiate no signal at all
Pourquoi une antenne multibande peut-elle rayonner plus facilement des harmoniques qu'une antenne monobande ?
Elle peut aussi résonner sur l'harmonique
Elle a toujours un ROS plus élevé, qui crée de nouveaux harmoniques
On ne peut pas l'adapter
Les antennes monobandes ne rayonnent aucun signal
""")

S10 = parse("""
What happens when a very strong signal overloads a receiver's first stages?
Spurious signals and desensitisation; weak signals are lost
The receiver becomes more sensitive, since the AGC is switched off
The received audio becomes clearer
The receiver changes band
Que se passe-t-il quand un signal très fort sature les premiers étages d'un récepteur ?
Signaux parasites et perte de sensibilité ; les signaux faibles disparaissent
Le récepteur devient plus sensible, la CAG étant coupée
L'audio reçue devient plus claire
Le récepteur change de bande

A strong broadcast station is heard at several places across an amateur band. What is the likely cause?
Overload or intermodulation in the receiver's front end
Propagation by sporadic E
A faulty loudspeaker
The broadcast station transmitting illegally in the amateur band
Une forte station de radiodiffusion est entendue en plusieurs points d'une bande amateur. Quelle en est la cause probable ?
Une saturation ou une intermodulation dans l'étage d'entrée du récepteur
Une propagation par E sporadique
Un haut-parleur défectueux
La station de radiodiffusion émet illégalement dans la bande amateur

How can you check whether a strange signal is generated inside your own receiver?
Use the attenuator: an internal product drops more than the setting
Increase the RF gain: an internal signal disappears at full gain
Turn the AGC off
Change the loudspeaker
Comment vérifier si un signal étrange est produit dans votre propre récepteur ?
Mettre l'atténuateur : un produit interne baisse plus que le réglage
Augmenter le gain HF : un signal interne disparaît à plein gain
Couper la CAG
Changer de haut-parleur

Why may two stations operating on different bands at the same site, such as in a contest, interfere with each other?
Each transmitter can overload the other receiver; harmonics may fall in band
Stations on different bands can never interfere, whatever the distance
Because their call signs are similar
Because they share the same log
Pourquoi deux stations trafiquant sur des bandes différentes sur un même site, par exemple en concours, peuvent-elles se perturber ?
Chaque émetteur peut saturer l'autre récepteur ; des harmoniques peuvent tomber dans la bande
Des stations sur des bandes différentes ne peuvent jamais se gêner, à toute distance
Parce que leurs indicatifs se ressemblent
Parce qu'elles partagent le même carnet

What is the benefit of a band-pass filter at the input of a receiver at a multi-station site?
It passes the wanted band and rejects the other transmitters
It increases the transmit power
It widens the receiver's bandwidth to cover all the bands in use
It replaces the antenna
Quel est l'intérêt d'un filtre passe-bande à l'entrée d'un récepteur sur un site à plusieurs stations ?
Il passe la bande voulue et rejette les autres émetteurs
Il augmente la puissance d'émission
Il élargit la bande du récepteur pour couvrir toutes les bandes utilisées
Il remplace l'antenne

Why can a nearby repeater or paging transmitter disturb a hand-held VHF radio?
Its strong signal can overload the simple front end
Repeaters transmit on HF
Hand-held radios have no filters at all
Pagers use the same CTCSS tones as the hand-held radio
Pourquoi un relais ou un émetteur de radiomessagerie proche peut-il perturber un portatif VHF ?
Son fort signal peut saturer l'étage d'entrée simple
Les relais émettent en HF
Les portatifs n'ont aucun filtre
Les récepteurs de radiomessagerie utilisent les mêmes tonalités CTCSS que le portatif

What does a "birdie" in a receiver usually mean?
A steady carrier made inside the receiver itself
A real signal from a distant station, heard only at night
A beacon transmitter
A bird on the antenna
Que désigne en général un « birdie » dans un récepteur ?
Une porteuse fixe produite dans le récepteur lui-même
Un vrai signal d'une station lointaine, entendu seulement la nuit
Un émetteur de balise
Un oiseau posé sur l'antenne

How can you reduce interference to your own receiver from your home network router?
Keep it away from the station and choke its leads
Place the router on top of the transceiver so that they share a ground
Use a longer mains lead for the router
Connect the router to the antenna
Comment réduire la gêne que cause votre propre routeur réseau à votre récepteur ?
L'éloigner de la station et munir ses câbles de selfs
Placer le routeur sur l'émetteur-récepteur pour qu'ils partagent la masse
Utiliser un cordon secteur plus long pour le routeur
Relier le routeur à l'antenne

Why are cross-modulation effects, where a strong AM station's audio is heard on a wanted signal, a sign of a poor receiver front end?
A non-linear stage moves the strong station's modulation onto others
They are caused by the other station's illegal operation on your frequency
They only occur with perfect receivers
They show that the antenna is too short
Pourquoi la transmodulation, où l'audio d'une forte station AM s'entend sur un signal voulu, révèle-t-elle un étage d'entrée médiocre ?
Un étage non linéaire reporte la modulation de la forte station sur les autres
Elle est causée par un trafic illégal de l'autre station sur votre fréquence
Elle ne se produit qu'avec des récepteurs parfaits
Elle montre que l'antenne est trop courte

What is a good first check when a receiver suddenly sounds much noisier than usual on all bands?
Check antenna, line and connectors, then nearby devices
Buy a new receiver with a better noise figure
Increase the transmitter power
Change the sideband
Quelle est une bonne première vérification quand un récepteur devient soudain beaucoup plus bruyant que d'habitude sur toutes les bandes ?
Vérifier antenne, ligne et connecteurs, puis les appareils voisins
Acheter un nouveau récepteur au meilleur facteur de bruit
Augmenter la puissance de l'émetteur
Changer de bande latérale
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10]
