"""Basic topic 9: interference and its suppression."""

from basic_util import parse
import basic_calc as c

TITLE = ("Interference and its suppression", "Perturbations et leur suppression")

S01 = parse("""
What is electromagnetic compatibility (EMC)?
Equipment working without disturbing others or being disturbed
An antenna able to work on several bands without a tuner
Matching a transmitter's output impedance to its feed line
The limit on the power an amateur may radiate near houses
Qu'est-ce que la compatibilité électromagnétique (CEM) ?
Des appareils qui fonctionnent sans perturber ni être perturbés
Une antenne qui couvre plusieurs bandes sans boîte d'accord
L'adaptation de la sortie d'un émetteur à sa ligne
La puissance maximale rayonnable près des maisons

What is "fundamental overload" of a neighbour's equipment?
Its circuits swamped by your strong but clean signal
Your harmonics falling inside the equipment's own band
Damage to the equipment caused by your transmitter's power
Your signal entering through its mains lead
Qu'est-ce que la « saturation par le fondamental » d'un appareil voisin ?
Ses circuits submergés par votre signal fort mais propre
Vos harmoniques tombant dans la bande propre de l'appareil
Un dommage que cause à l'appareil la puissance de votre émetteur
Votre signal qui entre par son cordon secteur

Where is interference caused by fundamental overload of a neighbour's equipment usually cured?
At the affected equipment, with filters or chokes for immunity
At your transmitter, with a low-pass filter on its output
At your station, with a separate earth rod for the transceiver itself
At the equipment's mains socket, with a surge protector
Où traite-t-on en général un brouillage dû à la saturation d'un appareil voisin par le fondamental ?
À l'appareil perturbé, au moyen de filtres ou de selfs
À votre émetteur, par un filtre passe-bas en sortie
À votre station, par un piquet de terre séparé
À la prise secteur de l'appareil, au moyen d'un parafoudre

How is interference caused by harmonics of your transmitter cured?
At the transmitter: a low-pass filter and correct tuning
At the victim's receiver, with a high-pass filter on its input
At the feed line, with ferrite chokes along the coaxial cable
At the transmitter's microphone, with much less audio gain
Comment supprime-t-on un brouillage causé par les harmoniques de votre émetteur ?
À l'émetteur, par un filtre passe-bas et un bon réglage
Au récepteur perturbé, par un filtre passe-haut en entrée
Sur la ligne, par des selfs en ferrite le long du coaxial
Au micro de l'émetteur, en baissant nettement le gain audio

What is intermodulation?
Signals mixing in a non-linear device to give new frequencies
The normal modulation of an FM transmitter by the voice
Two signals adding in a linear stage, with no new products
Sidebands that may overlap on a shared frequency
Qu'est-ce que l'intermodulation ?
Un mélange non linéaire de signaux qui crée d'autres fréquences
La modulation normale d'un émetteur FM par la voix
Deux signaux qui s'ajoutent sans produit nouveau
Des bandes latérales qui peuvent se chevaucher

What is the "rusty bolt effect"?
Corroded joints acting as diodes and producing intermodulation
The loss caused by rust on antenna elements, which lowers the gain
A rise in SWR as corroded connectors slowly add resistance to the line
Crackling from a rotator with loose bolts
Qu'est-ce que l'« effet boulon rouillé » ?
Des jonctions corrodées qui font diode : de l'intermodulation
Une perte de gain due à la rouille sur les éléments de l'antenne
Une hausse du ROS due à la résistance de connecteurs oxydés ou corrodés
Des craquements d'un rotor aux boulons desserrés

Why should you first check whether interference also occurs with your transmitter on a dummy load?
If it persists, it comes by a path other than the antenna
It compares your antenna's gain with that of the dummy load
To find whether the interference depends on the antenna's SWR
It proves to the neighbour that your transmitter is not the cause
Pourquoi vérifier d'abord si le brouillage se produit aussi avec l'émetteur sur charge fictive ?
S'il persiste, il passe par une autre voie que l'antenne
Cela compare le gain de l'antenne à celui de la charge
Pour savoir si le brouillage dépend du ROS de l'antenne
Cela prouve à la voisine que votre émetteur n'y est pour rien

What is a spurious emission from a transmitter?
Emission outside the necessary bandwidth, e.g. harmonics
The wanted sideband of an SSB signal when sent at full power
A carrier left in an AM signal during pauses in the speech
Noise that your own receiver hears between two transmissions
Qu'est-ce qu'une émission non essentielle d'un émetteur ?
Une émission hors de la bande nécessaire
La bande latérale utile d'un signal BLU
La porteuse d'un signal AM qui reste pendant les silences
Le bruit que votre récepteur entend entre deux émissions

What are the two main ways interference reaches affected equipment?
Radiated through the air, or conducted along the cables
Reflected by the ionosphere, or by ground wave
Through the loudspeaker, or the device's display
By mains harmonics, or by static in the air
Quelles sont les deux voies principales par lesquelles un brouillage atteint un appareil ?
Par rayonnement dans l'air, ou par conduction le long des câbles
Par réflexion sur l'ionosphère, ou par onde de sol
Par le haut-parleur, ou par l'afficheur
Par les harmoniques du secteur, ou par la statique

What is "blocking" in a receiver?
Loss of sensitivity when a strong nearby signal overloads it
A relay that mutes the receiver while the transmitter is keyed
The squelch staying closed because its threshold is set too high
A filter that stops signals outside the channel
Qu'est-ce que le « blocage » d'un récepteur ?
Une perte de sensibilité due à un fort signal voisin
Un relais qui coupe le récepteur pendant que l'on émet
Le silencieux qui reste fermé, son seuil étant trop haut
Un filtre qui arrête ce qui sort du canal
""")

S02 = parse("""
Your HF transmissions disturb a neighbour's terrestrial TV reception through its antenna cable. Which filter is fitted at the TV set?
A high-pass filter that passes TV and blocks HF
A low-pass filter that blocks TV signals and passes HF
A TV band-stop filter in your own feed line
A mains filter on the TV set's power lead
Vos émissions HF perturbent la télévision terrestre d'un voisin par son câble d'antenne. Quel filtre monte-t-on au téléviseur ?
Un filtre passe-haut qui passe la TV et bloque la HF
Un filtre passe-bas qui bloque la TV et laisse passer la HF
Un filtre coupe-bande TV sur votre propre ligne
Un filtre secteur sur le cordon du téléviseur

Why can a masthead amplifier on a neighbour's TV antenna make interference from your station worse?
It can be overloaded by your signal before any filter
It converts your HF signal into a TV channel by mixing
It can raise your antenna's SWR through mutual coupling
It feeds DC up the cable, and your signal modulates it
Pourquoi un amplificateur de tête de mât sur l'antenne TV d'un voisin peut-il aggraver la gêne ?
Il peut être saturé par votre signal avant tout filtre
Il convertit votre signal HF en un canal TV par mélange
Il peut élever le ROS de votre antenne par couplage mutuel
Il envoie du continu dans le câble, que votre signal module

Interference to FM broadcast reception appears only when you transmit on 2 m. What is a likely cause?
Overload of the receiver by the strong 2 m signal nearby
A 2 m harmonic that falls inside the FM band
Sporadic E carrying your signal into that band
The broadcaster using your frequency as a link
La radio FM n'est gênée que lorsque vous émettez sur le 2 m. Quelle en est une cause probable ?
La saturation du récepteur par le fort signal 2 m tout proche
Un harmonique du 2 m qui tombe dans la bande FM
Une propagation par E sporadique vers la bande FM
La station de radio qui utilise votre fréquence

Which is the first step when a neighbour reports that your signal is heard on her equipment?
Note times and bands, check your station, and look with her
Switch to a higher band and wait to see whether she complains again
Ask her to contact the administration before anything is tested
Fit filters inside her equipment at once
Quelle est la première démarche quand une voisine signale que votre signal s'entend sur ses appareils ?
Noter les heures et bandes, vérifier, chercher avec elle
Passer sur une bande plus haute et attendre une nouvelle plainte
Lui demander de saisir l'administration avant le moindre essai
Poser aussitôt des filtres dans ses appareils

Which kind of filter is fitted at the output of an HF transmitter against TV interference?
A low-pass filter that removes harmonics in the TV bands
A high-pass filter that passes TV and blocks your HF signal
A band-pass filter that narrows your audio
A notch filter that removes your own carrier
Quel type de filtre anti-TVI monte-t-on en sortie d'un émetteur HF ?
Un filtre passe-bas qui ôte les harmoniques des bandes TV
Un filtre passe-haut qui laisse passer la TV et bloque votre HF
Un filtre passe-bande qui réduit la bande audio
Un réjecteur qui ôte la porteuse de votre signal

Why do modern digital TV sets react to interference differently from old analogue sets?
The picture stays clean, then breaks up or freezes
Digital sets play your voice over the programme's sound
The picture shows herringbone patterns that follow your speech
Digital sets are immune, as the signal is error-corrected
Pourquoi un téléviseur numérique réagit-il aux perturbations autrement qu'un ancien téléviseur ?
L'image reste nette, puis se morcelle ou se fige
Le téléviseur restitue votre voix par-dessus le son
L'image montre des moirures qui suivent votre voix
Le téléviseur est immunisé par la correction d'erreurs

How can poor-quality TV coaxial cable or loose connectors make interference worse?
Poor screening lets your strong signal into the cable
Loose connectors reflect your signal to your antenna
Thin cable can raise the TV level and overload it
Old cable filters out HF and so hides the cause
Comment un mauvais câble coaxial TV ou des connecteurs mal serrés peuvent-ils aggraver les perturbations ?
Un mauvais blindage laisse entrer votre signal dans le câble
Un connecteur desserré renvoie votre signal à l'antenne
Un câble fin peut élever le niveau TV et saturer le poste
Un vieux câble filtre la HF et cache la vraie cause

Who should fit filters or chokes inside a neighbour's equipment?
Nobody without the owner's consent; external ones first
The amateur himself, as soon as the problem appears, to save time
Any club member who has the tools, whatever the owner says
A TV retailer chosen by the amateur
Qui doit monter des filtres ou des selfs à l'intérieur des appareils d'un voisin ?
Personne, sauf accord du propriétaire
Le radioamateur, dès le début, pour gagner du temps
Tout membre outillé du club, quoi qu'en dise le voisin
Un revendeur TV choisi par l'amateur

What is a "braid-breaker" on a TV antenna cable?
A device that stops currents on the outside of the braid
A tool for cutting coax and stripping its braid
A connector that bonds the braid to the house's mains earth
A booster that restores TV signals lost in the braid
Qu'est-ce qu'un « coupe-tresse » sur un câble d'antenne TV ?
Un dispositif qui bloque les courants sur la tresse
Un outil qui coupe le coaxial et dénude sa tresse
Un connecteur qui relie la tresse à la terre du secteur
Un ampli qui compense les pertes de la tresse

Why should you keep a record of any interference complaint and the steps taken?
It shows what was tried, if the administration reviews it
It is needed to claim the cost of filters back from the neighbour
It must be sent in each year along with your licence renewal
It is needed when you apply for a permit to use higher power
Pourquoi tenir un registre de toute plainte de brouillage et des mesures prises ?
Il montre ce qu'on a tenté, pour l'administration
Il sert à réclamer au voisin le coût des filtres posés
Il doit être joint à la demande de renouvellement de licence
Il est exigé pour obtenir le droit d'émettre plus fort
""")

S03 = parse("""
What is audio rectification?
Audio equipment detecting your RF, so that your voice is heard in it
Mains AC turned into DC in an amplifier's power supply
Clipping of your own audio when the microphone gain is high
Hum picked up by an amplifier from a mains transformer
Qu'est-ce que la détection audio (rectification) ?
Un appareil audio qui détecte votre HF et diffuse votre voix
Le redressement du secteur dans un ampli
L'écrêtage de votre audio, gain micro trop haut
Le ronflement capté d'un transformateur

Your SSB voice is heard, distorted, on a neighbour's hi-fi system even when it is switched to a CD. What is the likely path?
RF picked up on the leads and detected in the amplifier
Your signal picked up by the tuner, which stays on in CD mode
Harmonics of yours falling in the FM band and reaching the tuner
The CD player's optical cable carrying your signal
Votre voix BLU s'entend, déformée, sur la chaîne hi-fi d'un voisin même sur CD. Quel chemin prend-elle ?
La HF captée par les câbles et détectée dans l'ampli
Votre signal reçu par le tuner, resté allumé en mode CD
Vos harmoniques qui tombent dans la bande FM du tuner
Le câble optique du lecteur, qui porte la HF

Which remedy often cures RF getting into a hi-fi amplifier through its loudspeaker leads?
Ferrite chokes on the leads, close to the amplifier
Longer loudspeaker leads, which pick up less RF
A high-pass filter in your own transmitter's feed line
A capacitor in series with each speaker lead
Quel remède guérit souvent la HF qui entre dans un ampli hi-fi par ses câbles de haut-parleurs ?
Des selfs en ferrite sur les câbles, près de l'ampli
Des câbles de haut-parleurs plus longs
Un filtre passe-haut sur la ligne de votre propre émetteur
Un condensateur en série dans les câbles

A neighbour hears your Morse as clicks on her wired telephone. What is a common cure?
A filter at the telephone, or ferrite chokes on its leads
A key-click filter fitted on the keying line of your transmitter
A longer telephone cable, to spread the RF along its length
A surge protector between the telephone and the wall socket
Une voisine entend votre Morse en claquements sur son téléphone filaire. Quel est un remède courant ?
Un filtre au téléphone, ou des selfs sur ses câbles
Un filtre anti-clics sur la manipulation de votre émetteur
Un câble téléphonique plus long, pour dissiper la HF
Un parafoudre monté entre le téléphone et la prise murale

Why does CW often sound like clicks or thumps, and SSB like distorted speech, in affected audio equipment?
The equipment detects the changes in amplitude of your signal
The equipment decodes your Morse and speech digitally
The transmitter sends its audio on two frequencies at once
The equipment follows the frequency shifts of your signal
Pourquoi, dans un appareil audio perturbé, la CW donne-t-elle des claquements et la BLU une voix déformée ?
L'appareil détecte les variations d'amplitude de votre signal
L'appareil décode numériquement votre Morse et votre voix
L'émetteur envoie son audio sur deux fréquences à la fois
L'appareil suit les variations de fréquence du signal

Why is FM transmission less likely than SSB to be heard in audio equipment affected by audio rectification?
FM has a constant amplitude, so the detected level stays put
FM is sent on higher bands, which audio cables do not pick up
FM signals are often weaker than SSB ones at equal rated power
FM has no carrier, so nothing is left to detect
Pourquoi une émission FM s'entend-elle moins que la BLU dans un appareil audio sujet à la détection ?
La FM a une amplitude constante : le niveau détecté varie peu
La FM est émise plus haut, sur des bandes hors de portée des câbles
La FM est souvent plus faible que la BLU, à même puissance nominale
La FM n'a pas de porteuse, il n'y a donc rien à détecter

Which component, fitted across the input of an audio amplifier, helps stop RF detection there?
A small capacitor that bypasses RF to ground
A large inductor in series with the mains lead
A Zener diode across the speaker terminals
A resistor in series with the volume pot
Quel composant, monté à l'entrée d'un ampli audio, aide à y empêcher la détection de la HF ?
Un petit condensateur qui dérive la HF à la masse
Un gros bobinage monté en série avec le cordon secteur
Une diode Zener aux bornes du haut-parleur
Une résistance en série avec le volume

Why can your own station's computer speakers pick up your transmissions?
Their cables and amplifier detect the nearby RF field
They are tuned to the same band as your own transmitter
Their plastic cases let radio waves set the cones moving
The computer's sound card receives your signal directly
Pourquoi les haut-parleurs de l'ordinateur de votre station peuvent-ils capter vos émissions ?
Leurs câbles et leur ampli détectent le champ HF
Ils sont accordés sur la bande de votre propre émetteur
Leurs boîtiers plastiques laissent les ondes agiter la membrane
La carte son de l'ordinateur reçoit votre signal HF

What is a good test to find which lead brings RF into an affected audio system?
Unplug leads one at a time while a helper transmits
Raise your power step by step and note the noise
Swap the loudspeakers one at a time, system off
Measure each lead's resistance with an ohmmeter
Quel essai permet de trouver quel câble amène la HF dans une installation audio perturbée ?
Débrancher les câbles un par un pendant qu'un aide émet
Monter la puissance par paliers en notant le bruit
Échanger les haut-parleurs un par un, tout éteint
Mesurer la résistance des câbles à l'ohmmètre

Why are long unshielded cables in a house especially likely to pick up RF?
They act as unintended antennas, strongest near resonance
Their resistance grows with their length, and that rectifies RF
Long cables carry a higher voltage, and that attracts the RF
They are earthed at one end, which makes them filters
Pourquoi les longs câbles non blindés d'une maison captent-ils particulièrement la HF ?
Ils servent d'antennes, efficaces près de la résonance
Leur résistance croît avec la longueur, et redresse ainsi la HF
Les longs câbles ont une tension plus forte, qui attire la HF
Reliés à la terre d'un côté, ils font filtre
""")

S04 = parse("""
What is a clamp-on ferrite choke used for?
To add impedance to common-mode currents, with no cutting
To join two lengths of coaxial cable without a soldering iron
To measure the RF current flowing along a cable
To stop the wanted signal inside a coax
À quoi sert une ferrite à clipser ?
À freiner les courants de mode commun sans couper le câble
À raccorder deux longueurs de câble coaxial sans fer à souder
À mesurer le courant HF le long d'un câble
À arrêter le signal utile dans un coaxial

Why is a cable often wound several turns through a ferrite ring rather than passed through once?
Impedance rises with the square of the turns
One turn gives so much impedance that it blocks the signal
Several turns spread the heat over more of the ring
Each turn cancels the field of the turn before it
Pourquoi passe-t-on souvent un câble plusieurs fois dans un tore de ferrite, plutôt qu'une fois ?
L'impédance croît comme le carré des spires
Une spire donne tant d'impédance qu'elle bloque le signal
Plusieurs spires répartissent mieux la chaleur dans le tore
Toute spire annule le champ de celle qui la précède

Why must the ferrite material of a choke be chosen for the frequency concerned?
Each mix works well only over a certain frequency range
All mixes behave alike; only the core's size matters
The mix sets the core's DC resistance for the cable
A mix chosen for HF passes more power to the antenna
Pourquoi choisir le matériau de ferrite d'une self selon la fréquence concernée ?
Chaque matériau n'agit bien que sur une certaine gamme
Tous les matériaux se valent ; seule la taille compte
Le matériau fixe la résistance continue du noyau
Un matériau HF envoie plus de puissance à l'antenne

Does a ferrite choke on a coaxial cable affect the wanted signal inside the cable?
No, it acts on common-mode currents outside the cable
Yes, it attenuates the wanted signal above about 10 MHz
Yes, it adds loss to the wanted signal as the SWR rises
No, but it lowers the cable's velocity factor
Une self en ferrite sur un coaxial affecte-t-elle le signal utile dans le câble ?
Non, elle agit sur les courants de mode commun extérieurs
Oui, elle affaiblit le signal utile au-delà d'environ 10 MHz
Oui, elle ajoute des pertes au signal utile si le ROS monte
Non, mais elle réduit la vélocité du câble

Where should a ferrite choke be placed on a lead that brings RF into a device?
As close as possible to the device being protected
In the middle of the lead, so both halves are choked
At the far end of the lead, away from the device
Where the lead passes through the house wall
Où placer une self en ferrite sur un câble qui amène de la HF dans un appareil ?
Le plus près possible de l'appareil à protéger
Au milieu du câble, pour bloquer les deux moitiés
À l'autre bout, loin de l'appareil
Là où le câble traverse le mur

Why can RF current on the outside of your own feed line cause interference in your house?
The line radiates indoors, near wiring and equipment
The current detunes the antenna but stays out of doors
The current upsets the SWR reading but causes no radiation
The shield keeps that current from ever leaving the cable
Pourquoi un courant HF sur l'extérieur de votre ligne peut-il causer des perturbations chez vous ?
Le câble rayonne dans la maison, près des appareils
Le courant désaccorde l'antenne mais reste à l'extérieur
Le courant fausse la lecture du ROS mais ne rayonne pas
Le blindage empêche ce courant de sortir du câble coaxial

What is a mains filter used for in a station?
To stop RF entering or leaving equipment by the mains lead
To smooth the DC output of the station's supply
To protect the station from lightning on the antenna
To keep the mains voltage steady when you transmit
À quoi sert un filtre secteur dans une station ?
À arrêter la HF qui passe par le cordon secteur
À lisser la tension continue de l'alimentation
À protéger la station de la foudre
À stabiliser le secteur pendant l'émission

Why do ferrite beads sometimes not cure interference on the lowest HF bands?
Small beads give too little impedance there
Ferrite loses its effect below 10 MHz, whatever the core size
Low bands cause no common-mode current for beads to stop
Beads work on DC leads but not on coax
Pourquoi des perles de ferrite échouent-elles parfois sur les bandes HF les plus basses ?
Les petites perles y donnent trop peu d'impédance
Les ferrites perdent leur effet sous 10 MHz, quelle que soit leur taille
Les bandes basses ne créent pas de courant de mode commun
Les perles ne servent que sur le continu

What is the benefit of a choke balun at the feed point of a dipole fed with coax?
It cuts feed-line radiation, so there is less interference
It raises the antenna impedance to 300 ohms for open-wire line
It adds gain by feeding more power into the dipole
It lowers the SWR by tuning out the dipole's reactance
Quel est l'intérêt d'un balun à choc au point d'alimentation d'un dipôle sur coaxial ?
Il réduit le rayonnement de la ligne, donc les perturbations
Il porte l'impédance de l'antenne à 300 ohms pour une ligne bifilaire
Il ajoute du gain en envoyant plus de puissance au dipôle
Il abaisse le ROS en compensant la réactance

What does the shield of a coaxial cable do for a receiver against local noise?
It keeps noise picked up en route out of the receiver
It passes noise from the antenna but not the wanted signal
It lowers the internal noise figure of the receiver itself
It turns local noise into common-mode current on the braid
Que fait le blindage d'un câble coaxial pour un récepteur face au bruit local ?
Il empêche le bruit local d'entrer le long du câble
Il laisse passer le bruit de l'antenne mais pas le signal utile
Il abaisse nettement le facteur de bruit du récepteur
Il transforme le bruit local en courant de mode commun
""")

S05 = parse("""
Which station practice helps most to avoid interference to neighbours?
An outdoor antenna away from houses, fed with a well-choked line
An indoor antenna next to the house wiring, kept hidden
A long wire run near the neighbour's roof for more height
A vertical on the balcony, fed straight from the rig
Quelle pratique de station aide le plus à éviter de perturber les voisins ?
Une antenne extérieure loin des maisons, avec une self de mode commun
Une antenne intérieure près du câblage, bien cachée
Une longue antenne filaire près du toit du voisin
Une verticale sur le balcon, reliée directement au poste

Why can using an antenna inside the house lead to more interference problems?
The RF field is strong near household wiring and devices
Indoor antennas radiate harmonics that outdoor ones do not
An indoor antenna has a lower SWR, so more power is radiated
Walls reflect the signal back into the transmitter
Pourquoi une antenne placée dans la maison peut-elle causer plus de perturbations ?
Le champ HF est fort près du câblage et des appareils
Les antennes intérieures rayonnent des harmoniques, pas les autres
Une antenne intérieure a un ROS plus bas et rayonne plus
Les murs renvoient le signal vers l'émetteur

How does reducing transmitter power help with interference problems?
It weakens the field at the victim, and so the interference
It moves the harmonics so that they fall outside the TV bands
It raises the SWR, keeping more power in the line
It narrows the signal, sparing adjacent channels
En quoi la réduction de la puissance d'émission aide-t-elle face aux perturbations ?
Elle affaiblit le champ chez la victime, donc la perturbation
Elle déplace les harmoniques pour qu'ils sortent des bandes TV
Elle élève le ROS et garde la puissance dans la ligne
Elle rétrécit le signal et épargne les canaux voisins

Why do end-fed wires brought straight into the shack often cause "RF in the shack"?
All station equipment becomes part of the antenna
End-fed wires radiate nothing, so the power stays indoors
They present an SWR of 1:1, which overloads the transceiver
They need a counterpoise, which absorbs the RF outdoors
Pourquoi les fils alimentés par une extrémité amenés directement dans la station causent-ils souvent de la « HF dans la station » ?
Tous les appareils font partie de l'antenne
Ces fils ne rayonnent rien, la puissance reste dans la station
Ils présentent un ROS de 1:1, qui sature l'émetteur
Ils exigent un contrepoids qui absorbe la HF dehors

What are the signs of "RF in the shack"?
Tingling cases, distorted audio or misbehaving equipment on transmit
A very low SWR on each band, whatever the antenna
Weaker received signals on the higher bands
A steady hum on receive that stays without the antenna
Quels sont les signes de « HF dans la station » ?
Boîtiers qui picotent, son déformé, appareils déréglés en émission
Un ROS très bas sur les bandes, quelle que soit l'antenne
Des signaux reçus plus faibles sur les bandes hautes
Un ronflement en réception qui reste sans l'antenne

Why should all station equipment be bonded together with short, wide straps?
To hold the cases at one RF potential
To carry the DC supply current between units
To raise the receiver gain by lowering the noise floor
To replace the mains safety earth
Pourquoi relier tout le matériel de la station par des tresses courtes et larges ?
Pour garder les boîtiers au même potentiel HF
Pour porter le courant continu entre les appareils
Pour gagner en sensibilité en abaissant le bruit de fond
Pour remplacer la terre de sécurité

Why is a long ground wire from an upstairs station to a ground rod often ineffective at RF?
At RF it has a high impedance and may itself radiate
Its DC resistance is too low to carry RF current
The ground rod may absorb the RF meant for the antenna
It works only if it is exactly a half wave long
Pourquoi un long fil de terre entre une station à l'étage et un piquet est-il souvent inefficace ?
En HF il a une forte impédance et peut lui-même rayonner
Sa résistance continue est trop basse pour la HF
Le piquet peut absorber une part de la HF destinée à l'antenne
Il ne marche que s'il mesure une demi-onde

Why should transmitting antennas not run parallel and close to telephone or power lines?
Energy couples into the lines and reaches houses
The lines act as reflectors that add gain towards the houses
Power lines inject 50 Hz hum into the transmitted signal
The lines protect the antenna from lightning if kept close
Pourquoi une antenne d'émission ne doit-elle pas longer de près des lignes téléphoniques ou électriques ?
Les lignes captent l'énergie et l'amènent aux maisons
Les lignes font réflecteur et ajoutent du gain vers les maisons
Les lignes électriques injectent du 50 Hz dans le signal
Les lignes protègent l'antenne de la foudre si elles sont proches

Why are horizontally polarised antennas sometimes less troublesome for household interference than verticals?
They couple less to vertical house wiring and are mounted higher
They radiate less power than verticals for the same output
They are fed with balanced line, which cannot radiate
They send waves that roof tiles often absorb
Pourquoi les antennes à polarisation horizontale causent-elles parfois moins de perturbations domestiques que les verticales ?
Elles se couplent moins au câblage vertical et sont placées plus haut
Elles rayonnent moins que les verticales, à puissance égale
Elles sont en ligne symétrique, qui ne peut pas rayonner
Elles émettent des ondes que les tuiles absorbent souvent

Why should you check your station with a friend's receiver for clean signals after building a new amplifier?
To be sure it is free of harmonics, parasitics and splatter
To calibrate the friend's receiver against the new amplifier
To check the amplifier's gain by comparing two S-meter readings
To have it logged by another station, as the law requires
Pourquoi faire vérifier vos signaux par le récepteur d'un ami après avoir construit un amplificateur ?
Pour vérifier qu'il n'émet ni harmoniques ni débordements
Pour étalonner le récepteur de l'ami sur le nouvel ampli
Pour mesurer le gain de l'ampli en comparant deux S-mètres
Pour le faire noter par une autre station, comme le veut la loi
""")

S06 = parse("""
Which household devices are common sources of broadband noise on the HF bands?
Switch-mode supplies, cheap LED lamps and chargers, plasma TV sets
Incandescent lamps, electric kettles and heaters with plain resistive elements
Battery clocks and transformer-fed linear supplies
Wired doorbells, corded phones and passive speakers
Quels appareils domestiques sont des sources courantes de bruit à large bande en HF ?
Alimentations à découpage, LED et chargeurs bon marché, TV plasma
Ampoules à incandescence, bouilloires et radiateurs à résistance pure
Horloges à pile et alimentations linéaires
Sonnettes filaires, téléphones à fil, enceintes passives

What does noise from a faulty switch-mode power supply often sound like on an HF receiver?
A buzz or rough carriers spaced a few kilohertz apart
A clear voice that may repeat the same few words at intervals
A single pure tone that stays fixed on the same frequency
A slow fading of the whole band noise over several minutes
À quoi ressemble souvent en HF le bruit d'une alimentation à découpage défectueuse ?
Des porteuses rauques espacées de quelques kilohertz
Une voix claire qui peut répéter les mêmes mots à intervalles
Une note pure et stable, fixée sur une même fréquence
Un lent évanouissement du bruit de bande sur des minutes

What is power-line noise usually caused by?
Arcing at faulty insulators or at loose line hardware
The normal current in the line, whatever its state
The line's 50 Hz magnetic field reaching the antenna
Sunlight heating the line, changing its resistance
Par quoi le bruit des lignes électriques est-il généralement causé ?
Les arcs d'isolateurs défectueux ou de ferrures desserrées
Le courant normal de la ligne, quel que soit son état
La ligne elle-même, par son champ magnétique à 50 Hz
Le soleil qui chauffe la ligne et change sa résistance

Why can data sent over household mains wiring (power-line adapters) cause interference on HF?
The unshielded mains wiring radiates the data signals
The adapters transmit on VHF, and their harmonics fall on HF
The data raise the mains voltage, which stresses your supply
The adapters' Wi-Fi spills into HF
Pourquoi les adaptateurs CPL, qui font passer des données par le secteur, peuvent-ils perturber la HF ?
Les fils secteur non blindés rayonnent les données
Les adaptateurs émettent en VHF et leurs harmoniques tombent en HF
Les données élèvent la tension secteur et fatiguent l'alimentation
Les liaisons Wi-Fi débordent en HF

A noise on HF is suspected to come from an electric fence in a nearby field. How does such noise usually sound?
Regular clicks or pops, about once a second
A continuous musical tone that drifts slowly
Bursts that follow the rhythm of speech
A hiss rising about an hour after dark
Un bruit en HF viendrait d'une clôture électrique dans un champ voisin. Comment sonne en général un tel bruit ?
Des claquements réguliers, environ un par seconde
Une note musicale continue, qui dérive très lentement
Des salves qui suivent le rythme de la parole
Un souffle qui monte environ à la tombée du jour

A noise on 10 m gets worse whenever a neighbour's old petrol car is running. Which kind of noise does an ignition system produce?
A click rate that follows the engine speed
A steady 50 Hz hum from the alternator and battery
A hiss that stays the same whatever the engine speed
A 1 kHz whistle from the car's own radio receiver
Un bruit sur le 10 m s'aggrave quand tourne la vieille voiture à essence d'un voisin. Quel bruit produit un allumage ?
Un claquement au rythme du régime moteur
Un ronflement continu à 50 Hz venant de l'alternateur
Un souffle constant, quel que soit le régime du moteur
Un sifflement à 1 kHz venant de l'autoradio

Why are many modern noise problems worse on the lower HF bands?
Noise sources emit more there, and house wiring radiates well
Low bands suffer no absorption, so the noise piles up
Low-band antennas are often small and pick up more noise
Noise sources switch on at night, when low bands are used
Pourquoi de nombreux problèmes de bruit modernes sont-ils pires sur les bandes HF basses ?
Les sources y émettent plus, et le câblage y rayonne bien
Ces bandes n'ont pas d'absorption, le bruit s'y accumule
Leurs antennes, souvent petites, captent plus de bruit
Les sources s'allument la nuit, quand on y trafique

Which is a likely noise source if a loud buzz appears on HF only when a certain room light is switched on?
The driver of an LED lamp or a dimmer
The filament of a plain incandescent bulb
The wall switch contacts, for as long as the light is on
Mains hum at 50 Hz radiated by the lamp
Quelle source suspecter si un fort bourdonnement n'apparaît en HF que lorsqu'on allume une certaine lampe ?
Le circuit d'une lampe LED ou d'un variateur
Le filament d'une ampoule à incandescence
Les contacts de l'interrupteur, tant que la lampe brille
Le ronflement à 50 Hz rayonné par la lampe

What may a broadband internet connection on telephone wires produce on HF receivers?
Noise across parts of HF, radiated by the telephone wiring
Nothing, since such links use optical fibre to the home
A clear carrier on 2 m that moves with the data rate
Hum at 50 Hz from the telephone wires, even with the modem off
Que peut produire en HF une connexion internet haut débit sur fils téléphoniques ?
Du bruit sur une partie de la HF, rayonné par la ligne
Rien, car ces liaisons passent par fibre jusqu'au domicile
Une porteuse claire sur le 2 m qui suit le débit
Un ronflement à 50 Hz, même modem éteint

Operating portable from a battery charged by a solar panel, you hear a strong buzz across HF whenever sunlight falls on the panel. What is the likely source?
The switching regulator of the solar charge controller
The panel's cells detecting nearby signals as diodes do
The internal resistance of the battery rising as it charges
The static charge that sunlight builds up on the panel's glass
En portable sur batterie et panneau solaire, un fort bourdonnement couvre la HF dès que le soleil éclaire le panneau. Quelle source suspecter ?
Le régulateur à découpage du contrôleur de charge
Les cellules du panneau qui détectent les signaux proches
La résistance interne de la batterie qui monte en charge
La charge statique que le soleil dépose sur le verre
""")

S07 = parse("""
What is the simplest first test to find whether a noise source is in your own house?
Listen on battery power with the main breaker switched off
Raise the antenna a few metres and compare the noise
Switch on the noise blanker and see whether it clears
Change to a shorter feed line and compare the S-meter
Quel est l'essai le plus simple pour savoir si une source de bruit est dans votre propre maison ?
Écouter sur batterie, avec le disjoncteur général coupé
Surélever l'antenne de quelques mètres et comparer
Enclencher l'éliminateur de parasites et voir l'effet
Passer à une ligne plus courte et comparer le S-mètre

How can a portable receiver help locate a noise source outside the house?
By walking with it and noting where the noise is strongest
By recording the noise for a week and comparing the recordings
By tuning it to the noise's frequency with its antenna removed
By comparing its S-meter with the base station's
Comment un récepteur portatif aide-t-il à localiser une source de bruit hors de la maison ?
En marchant et en notant où le bruit est le plus fort
En enregistrant le bruit une semaine et en comparant les enregistrements
En l'accordant sur la fréquence du bruit, sans son antenne
En comparant son S-mètre à celui de la station

Why is a VHF or UHF receiver sometimes used to pinpoint power-line noise heard on HF?
Arcing noise reaches high frequencies, where small beams find it
Power lines radiate mainly on VHF, and the HF noise is an image of it
HF receivers overload on power-line noise; VHF ones do not
VHF signals pass the line's insulators, HF ones do not
Pourquoi utilise-t-on parfois un récepteur VHF ou UHF pour localiser un bruit de ligne électrique entendu en HF ?
Les arcs rayonnent jusqu'en VHF, où une petite directive les trouve
Les lignes rayonnent surtout en VHF, le bruit HF n'étant qu'une image
Les récepteurs HF saturent sur ce bruit, pas les VHF
Les signaux VHF traversent les isolateurs, pas la HF

Why is it useful to note the times when a noise is present?
The pattern may match a device switched by a timer
The noise is strongest at noon, when the sun is highest
The times may show which band the noise will move to next
The log of times is needed before your licence is renewed
Pourquoi est-il utile de noter les heures de présence d'un bruit ?
La régularité peut trahir un appareil programmé
Le bruit est le plus fort à midi, soleil au plus haut
Les heures peuvent montrer vers quelle bande ira le bruit
Ce relevé est exigé pour renouveler votre licence

A noise appears on all HF bands when your own computer is on. What is a sensible first step?
Choke its cables and consider a better, well-filtered power supply
Move the antenna closer to it, so that wanted signals dominate
Use a longer network cable, to keep the router further away
Switch to a wider filter to spread the noise
Un bruit couvre toutes les bandes HF quand votre ordinateur est allumé. Que faire d'abord ?
Mettre des selfs sur ses câbles, envisager une autre alimentation
Rapprocher l'antenne pour que les signaux utiles dominent
Prendre un câble réseau plus long pour éloigner le routeur
Passer sur un filtre plus large pour étaler le bruit

How does the waterfall display of a software-defined receiver help you identify a local noise source?
It shows the noise's pattern, such as a comb of lines
It removes the noise once the noise is marked on the screen
It shows the direction of the source on a compass scale
It shows noise only from sources in the room
Comment l'affichage en cascade d'un récepteur SDR aide-t-il à identifier une source de bruit locale ?
Il montre le motif du bruit, tel un peigne de raies
Il supprime le bruit dès qu'on l'a marqué sur l'écran
Il indique la direction de la source sur une rose des vents
Il ne montre que le bruit des sources de la pièce

Who should deal with noise coming from a fault on an overhead power line?
The power network operator, once told of it
The amateur, who may repair the power-line hardware himself
The national society's repair team
The telecoms regulator's line crews
Qui doit traiter un bruit provenant d'un défaut sur une ligne électrique aérienne ?
Le gestionnaire du réseau électrique, une fois prévenu
Le radioamateur, qui peut réparer la ligne électrique lui-même
L'équipe de dépannage de l'association nationale
Les équipes de l'autorité des télécoms

What is a noise-cancelling accessory in the receive path, with a separate noise antenna, used for?
Matching noise phase and level so it cancels
Cancelling every signal on the band except the strongest
Adding the two antennas' signals for 3 dB more gain
Tuning the main antenna to the quietest frequency
À quoi sert un annuleur de bruit en réception, avec une antenne de bruit séparée ?
Ajuster phase et niveau du bruit pour l'annuler
Annuler tous les signaux de la bande sauf le plus fort
Additionner les signaux des deux antennes pour gagner 3 dB
Accorder l'antenne principale sur la fréquence la plus calme

Why does an S-meter reading of the noise level with the antenna connected and disconnected help?
It shows whether the noise arrives via the antenna or from within
It measures the antenna's gain against the receiver alone
It calibrates the S-meter against a known noise level
It shows whether the noise is above or below 30 MHz
Pourquoi comparer au S-mètre le bruit avec l'antenne branchée puis débranchée ?
Cela montre si le bruit arrive par l'antenne ou de l'intérieur
Cela mesure le gain de l'antenne par rapport au récepteur
Cela étalonne le S-mètre sur un bruit connu
Cela montre si le bruit est au-dessus de 30 MHz

What is a directional loop antenna useful for when hunting noise?
Its sharp null helps find the direction of the source
Its gain lifts the noise so that it is heard from further away
Its pattern rejects local noise whatever its direction
Its null follows the power line
À quoi sert une antenne cadre directive pour rechercher une source de bruit ?
Son minimum marqué indique la direction de la source
Son gain renforce le bruit pour qu'on l'entende de plus loin
Son diagramme rejette le bruit local d'où qu'il vienne
Son minimum suit la ligne électrique
""")

S08 = parse("""
A neighbour complains, angrily, about interference she blames on your station. What attitude works best?
Stay calm and helpful, and offer to look for the cause
Explain that amateurs have legal priority, and end the talk
Ask for the complaint in writing before any talk
Offer to stop transmitting for good
Une voisine se plaint avec colère d'une gêne qu'elle attribue à votre station. Quelle attitude adopter ?
Rester calme et serviable, et proposer de chercher la cause
Expliquer que les radioamateurs ont priorité, et clore la discussion
Exiger une plainte écrite avant toute discussion
Proposer de cesser d'émettre pour de bon

How can you show a neighbour whether interference is linked to your station?
Joint tests at agreed times, bands and powers
Switching your station off for a week without telling her
Asking her to switch off all her equipment while you transmit
Transmitting only at night, when she is not using her devices
Comment montrer à une voisine si une gêne est liée à votre station ?
Des essais communs, à heures convenues
Éteindre la station une semaine sans la prévenir
Lui faire éteindre tous ses appareils quand vous émettez
N'émettre que la nuit, quand elle ne s'en sert pas

Your station is clean, but a neighbour's equipment is affected by your legitimate signal. What is the best course?
Explain kindly and help fit filters or chokes, with her agreement
Tell her the fault is in her equipment and leave it there
Stop using the band that causes the trouble, for good
Fit a filter on your own feed line and consider it solved
Votre station est propre, mais un appareil de votre voisine est perturbé par votre signal légitime. Que faire ?
Expliquer et aider à poser filtres ou selfs, avec son accord
Lui dire que ses appareils sont en faute, et en rester là
Abandonner pour de bon la bande qui pose problème
Filtrer votre propre ligne et considérer l'affaire réglée

While a solution is being found, what is a reasonable temporary measure?
Avoid the bands or times that cause trouble, or reduce power
Transmit continuously to test the filters as fast as possible
Move to FM on all bands, since FM causes no interference at all
Raise your power so the tests end sooner
En attendant une solution, quelle mesure provisoire est raisonnable ?
Éviter bandes et heures gênantes, ou réduire la puissance
Émettre sans arrêt pour pouvoir essayer les filtres au plus vite
Passer en FM sur toutes les bandes, la FM ne gênant personne
Monter la puissance pour finir les essais plus tôt

Why is it worth contacting your national amateur society when an interference case becomes difficult?
The society often has experienced advisers and useful notes
The society pays for the neighbour's new equipment
The society can have the neighbour's equipment replaced by the law
The society can issue a permit to ignore the complaint
Pourquoi contacter votre association nationale quand un cas de brouillage devient difficile ?
L'association a souvent des conseillers et des notes utiles
L'association paie le nouveau matériel du voisin
L'association peut faire remplacer les appareils du voisin par la loi
L'association peut délivrer un permis d'ignorer la plainte

What may the administration do if an interference complaint cannot be solved between neighbours?
Investigate, and decide what each party must do
Close the amateur station for life, whatever the findings
Order the neighbour to move house, as the amateur came first
Refuse to act, since interference is a private matter
Que peut faire l'administration si une plainte de brouillage ne peut pas être réglée entre voisins ?
Enquêter, puis dire à chacun quoi faire
Fermer la station à vie, quels que soient les constats
Faire déménager le voisin, le radioamateur étant là avant
Refuser d'agir, l'affaire étant d'ordre privé

Which evidence best supports an amateur in an interference dispute?
A clean station, a complete log and a record of all measures
Letters from distant stations praising your signal
A receipt for the dearest transceiver on the market
An SWR reading close to 1:1 on the band in use
Quelle preuve soutient le mieux un radioamateur dans un litige de brouillage ?
Une station propre, un carnet complet, des mesures consignées
Des lettres de stations lointaines vantant votre signal
La facture de l'émetteur-récepteur le plus cher
Un ROS proche de 1:1 sur la bande utilisée

Why is it helpful to check your own household equipment for interference before a neighbour complains?
It shows what may well happen next door
It may alter the neighbour's wiring through the shared mains
It raises your range by finding the best antenna direction
It proves your station is legally compliant
Pourquoi vérifier vos propres appareils domestiques avant qu'un voisin se plaigne ?
Cela montre ce qui peut arriver à côté
Cela peut modifier le câblage du voisin par le secteur commun
Cela augmente votre portée en trouvant la meilleure direction
Cela prouve que votre station est conforme

Scenario: on some evenings your neighbour hears your voice on her baby monitor, her wired telephone clicks, and her television sometimes freezes, but only while you transmit SSB on 80 m with 100 W into an end-fed wire whose far end is tied to a tree above her garden fence. Your own equipment shows no fault on a dummy load, and no other neighbour has ever complained. Which plan deals with the most likely cause first?
Move the wire away from her house, add a common-mode choke, filter her devices
Keep the wire, fit a low-pass filter at the rig, ask her to replace the monitor
Keep the wire, add a high-pass filter in your feed line, switch from SSB to CW
Move to 40 m with the same wire and power, ask the regulator to test her devices
Situation : certains soirs, votre voisine entend votre voix sur son babyphone, son téléphone filaire claque et son téléviseur se fige parfois, mais seulement si vous émettez en BLU sur 80 m avec 100 W dans un fil alimenté par l'extrémité, attaché à un arbre au-dessus de sa clôture. Votre matériel est sans défaut sur charge fictive et nul autre voisin ne se plaint. Quel plan traite d'abord la cause la plus probable ?
Éloigner le fil de sa maison, poser une self de mode commun, filtrer ses appareils
Garder le fil, filtrer l'émetteur en passe-bas, changer son babyphone
Garder le fil, filtrer votre ligne en passe-haut, passer de la BLU à la CW
Passer sur 40 m, même fil et puissance, faire contrôler ses appareils par l'administration
""")

S09 = c.harmonic([("7.15", 3), ("14.1", 3), ("3.6", 4)]) + parse("""
A station on 7.1 MHz is told that its signal appears on 14.2 MHz. What should it suspect?
Its second harmonic
An image in the listener's receiver
The third harmonic of its signal
Overload by the fundamental
Une station sur 7,1 MHz apprend que son signal apparaît sur 14,2 MHz. Que doit-elle soupçonner ?
Son harmonique 2
Une image dans le récepteur d'écoute
Son harmonique de rang 3
Une saturation du récepteur

Why are the harmonics of a 2 m transmitter a special concern?
They may fall in bands of other services, such as aeronautical ones
They fall on HF, where they are heard around the world
They travel further than the fundamental, by sporadic E
They may make the transmitter overheat at full power
Pourquoi les harmoniques d'un émetteur 2 m méritent-ils une attention particulière ?
Ils peuvent tomber chez d'autres services, dont l'aéronautique
Ils tombent en HF, où on les entend partout
Ils portent plus loin que le fondamental, par E sporadique
Ils peuvent faire chauffer l'émetteur

Why might a second harmonic from 28 MHz disturb reception around 56 MHz?
Twice 28 MHz is 56 MHz, a frequency used by other services
Harmonics fall at half the frequency, here 14 MHz
A 28 MHz signal produces only odd harmonics, such as 84 MHz
56 MHz lies in the 6 m band, so no other service is affected
Pourquoi l'harmonique 2 d'une émission sur 28 MHz peut-il perturber la réception vers 56 MHz ?
Deux fois 28 MHz font 56 MHz, fréquence d'autres services
Les harmoniques tombent à la moitié, ici 14 MHz
Un signal sur 28 MHz ne produit que des harmoniques impairs
56 MHz est dans la bande des 6 m, nul autre service n'est gêné

What is the most common reason for a transmitter suddenly producing strong harmonics?
A fault or misadjustment in the output stage, or overdrive
A good dummy load reflecting the harmonics back into it
A feed line longer than half a wavelength
A supply voltage a little below its rated value, at full power
Quelle est la cause la plus courante de forts harmoniques apparus soudain sur un émetteur ?
Un défaut ou un déréglage de l'étage final, ou une surexcitation
Une bonne charge fictive qui lui renvoie les harmoniques
Un câble plus long qu'une demi-longueur d'onde
Une tension d'alimentation un peu trop faible, à pleine puissance

Which measure reduces the harmonics radiated by an antenna system?
A low-pass filter between transmitter and antenna
A high-pass filter between the transmitter and antenna
A ferrite choke on the coax at the transmitter end
A second earth rod driven in at the base of the tower
Quelle mesure réduit les harmoniques rayonnés par un système d'antenne ?
Un filtre passe-bas entre émetteur et antenne
Un filtre passe-haut entre l'émetteur et l'antenne
Une self en ferrite sur le coaxial, côté émetteur
Un second piquet de terre enfoncé au pied du pylône

Why can a multiband antenna radiate harmonics more readily than a single-band antenna?
It may also be resonant at the harmonic frequency itself
A higher SWR creates harmonics in its feed line
Its traps may generate harmonics as they warm up
Its wider bandwidth passes the harmonics of the mains
Pourquoi une antenne multibande peut-elle rayonner plus facilement des harmoniques qu'une antenne monobande ?
Elle peut aussi résonner sur la fréquence de l'harmonique
Son ROS plus élevé crée des harmoniques dans la ligne
Ses trappes peuvent créer des harmoniques en chauffant
Sa large bande laisse passer les harmoniques du secteur
""")

S10 = parse("""
What happens when a very strong signal overloads a receiver's first stages?
Spurious signals and lost sensitivity; weak signals vanish
Higher sensitivity, because the AGC then switches itself off
Clearer audio, since the strong signal now sets the AGC level
A shift of a few kilohertz in the tuning
Que se passe-t-il quand un signal très fort sature les premiers étages d'un récepteur ?
Des parasites et une perte de sensibilité
Une sensibilité accrue, car la CAG se coupe d'elle-même
Un son plus clair, la CAG étant réglée par le signal fort
Un léger décalage de l'accord

A strong broadcast station is heard at several places across an amateur band. What is the likely cause?
Overload or intermodulation in the receiver's front end
Sporadic E reflecting the station on several frequencies
The station's own harmonics, landing inside the band
A broadcaster transmitting illegally in the band
Une forte station de radiodiffusion s'entend en plusieurs points d'une bande amateur. Quelle en est la cause probable ?
Une saturation ou une intermodulation dans l'étage d'entrée
L'E sporadique qui réfléchit la station sur plusieurs fréquences
Les harmoniques de la station, qui tombent dans la bande
Un radiodiffuseur qui émet illégalement dans la bande

You suspect that a signal is an intermodulation product made in your receiver's front end. What does switching in a 10 dB attenuator show?
A front-end product drops much more than a real signal
A front-end product drops by 10 dB, exactly as a real signal does
A real signal vanishes, while a front-end product stays unchanged
A rise in both, since the attenuator improves the receiver's match
Vous soupçonnez qu'un signal est un produit d'intermodulation né dans l'étage d'entrée de votre récepteur. Que montre la mise en service d'un atténuateur de 10 dB ?
Le produit baisse bien plus qu'un vrai signal
Le produit baisse de 10 dB, exactement comme un vrai signal
Un vrai signal disparaît, le produit reste identique
Les deux montent, l'atténuateur améliorant l'adaptation

Why may two stations operating on different bands at the same site, such as in a contest, interfere with each other?
Each transmitter can overload the other's receiver or put harmonics in its band
Their signals can beat together in the ionosphere above the site
They share one mains supply, which carries their audio across
Their antennas face the same way, which doubles the field
Pourquoi deux stations sur des bandes différentes d'un même site, en concours par exemple, peuvent-elles se perturber ?
Un émetteur peut saturer l'autre récepteur ou y jeter ses harmoniques
Leurs signaux peuvent battre dans l'ionosphère du site
Le secteur commun transporte leur audio
Leurs antennes, orientées de même, doublent le champ

What is the benefit of a band-pass filter at the input of a receiver at a multi-station site?
It passes the wanted band and rejects the other transmitters
It widens the receiver's bandwidth to cover all the bands in use
It protects the transmitter from power reflected by the antenna
It lowers the noise figure on the wanted band
Quel est l'intérêt d'un filtre passe-bande à l'entrée d'un récepteur sur un site multistation ?
Il passe la bande voulue, rejette les autres émetteurs
Il élargit la bande du récepteur aux bandes du site entier
Il protège l'émetteur de la puissance réfléchie par l'antenne
Il abaisse le facteur de bruit de la bande

Why can a nearby repeater or paging transmitter disturb a hand-held VHF radio?
Its strong signal can overload the hand-held's simple front end
Its transmitter works on HF, which hand-helds pick up as noise
Its CTCSS tone can open the hand-held's squelch on any other channel
Its antenna reflects the hand-held's own signal back to it
Pourquoi un relais ou un émetteur de radiomessagerie proche peut-il perturber un portatif VHF ?
Son fort signal peut saturer l'étage d'entrée simple du portatif
Il émet en HF, que le portatif capte comme du bruit
Sa tonalité CTCSS peut ouvrir le silencieux du portatif sur tout canal
Son antenne renvoie au portatif son propre signal

What does a "birdie" in a receiver usually mean?
A steady carrier made inside the receiver itself
A real signal from a distant station, often heard when the band opens
A beacon transmitter marking the edge of the receiver's band
A beat between two strong stations in the ionosphere
Que désigne en général un « birdie » dans un récepteur ?
Une porteuse fixe produite dans le récepteur lui-même
Un vrai signal lointain, souvent entendu à l'ouverture
Une balise qui marque le bord de la bande du récepteur
Un battement entre deux fortes stations dans l'ionosphère

A direct-sampling software-defined receiver is connected to a large antenna near a broadcast station. Why can false signals then appear across the band?
The total signal drives the analogue-to-digital converter into clipping
The waterfall display cannot draw so many strong signals at once
The computer's USB link adds copies of each strong signal
The software decodes the broadcast audio and sends it again
Un SDR à échantillonnage direct, sur une grande antenne proche d'un émetteur de radio, montre de faux signaux partout. Pourquoi ?
Le signal total fait écrêter le convertisseur analogique-numérique
L'affichage en cascade ne peut pas tracer tant de signaux forts
La liaison USB ajoute des copies des signaux forts
Le logiciel décode le son de la radio et le réémet

Why are cross-modulation effects, where a strong AM station's audio is heard on a wanted signal, a sign of a poor receiver front end?
A non-linear stage copies the AM station's audio onto others
The other station is operating illegally on your own frequency
The strong station's harmonics carry its audio onto your band
Your antenna is too short and lets the AM signal in
Pourquoi la transmodulation (l'audio d'une forte station AM sur un signal voulu) trahit-elle un étage d'entrée médiocre ?
Un étage non linéaire reporte sa modulation sur les autres
L'autre station trafique illégalement sur votre propre fréquence
Les harmoniques de la forte station portent son audio jusqu'à vous
Votre antenne trop courte laisse entrer le signal AM

What is a good first check when a receiver suddenly sounds much noisier than usual on all bands?
Check antenna, feed line and connectors, then nearby devices
Buy a receiver with a better noise figure before testing anything
Raise the RF gain, since more gain lowers the noise
Swap sidebands, since the noise lies on one side only
Que vérifier d'abord quand un récepteur devient soudain bien plus bruyant sur toutes les bandes ?
Vérifier antenne, ligne, connecteurs, puis appareils proches
Acheter un récepteur à meilleur facteur de bruit, sans autre essai
Monter le gain HF, car plus de gain réduit le bruit
Changer de bande latérale, le bruit n'étant que d'un côté
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10]
