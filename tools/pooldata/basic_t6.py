"""Basic topic 6: transmitters, receivers and modulation."""

from basic_util import parse
import basic_calc as c

TITLE = ("Transmitters, receivers and modulation", "\u00c9metteurs, r\u00e9cepteurs et modulation")

S01 = parse("""
In a transmitter, what is modulation?
Changing the amplitude, frequency or phase of a carrier
Mixing two carriers to shift a signal's frequency
Raising a weak signal to the power the antenna needs
Recovering the audio from a received signal
Dans un émetteur, qu'est-ce que la modulation ?
Faire varier amplitude, fréquence ou phase d'une porteuse
Mélanger deux porteuses pour décaler la fréquence d'un signal
Porter un signal faible à la puissance voulue par l'antenne
Extraire l'audio contenu dans un signal reçu

In an AM transmitter, which property of the carrier does the audio signal change?
Its amplitude
Its frequency
Its phase
Its frequency deviation
Dans un émetteur AM, quelle caractéristique de la porteuse le signal audio fait-il varier ?
Son amplitude
Sa fréquence
Sa phase
Son excursion de fréquence

You look at an AM broadcast signal on a spectrum display. What does it consist of?
A carrier with an upper and a lower sideband
A carrier alone, whose height follows the audio
A pair of sidebands, with no carrier
A carrier with the upper sideband only
Vous observez un signal de radiodiffusion AM sur un analyseur de spectre. De quoi se compose-t-il ?
D'une porteuse et de deux bandes latérales
D'une porteuse seule, dont la hauteur suit l'audio
De deux bandes latérales, sans porteuse
D'une porteuse et de sa bande latérale supérieure

What bandwidth does a double-sideband AM signal occupy when it is modulated with speech containing frequencies up to 3 kHz?
About 6 kHz
About 3 kHz
About 2.4 kHz
About 1.5 kHz
Quelle largeur de bande occupe un signal AM à deux bandes latérales quand la voix qui le module monte jusqu'à 3 kHz ?
Environ 6 kHz
Environ 3 kHz
Environ 2,4 kHz
Environ 1,5 kHz

What is overmodulation of an AM transmitter, and why is it harmful?
Going beyond 100 % modulation, which widens the signal
Modulating too little, leaving a weak, thin signal
Driving the final amplifier beyond its rated output power
Audio so loud that the carrier drifts off its frequency
Qu'est-ce que la surmodulation d'un émetteur AM, et pourquoi est-elle nuisible ?
Dépasser 100 % de modulation, ce qui élargit le signal
Moduler trop peu, d'où un signal faible et maigre
Pousser l'étage final au-delà de sa puissance nominale
Un audio si fort que la porteuse dérive de sa fréquence

In an AM signal, where is most of the transmitted power found?
In the carrier, which carries no information
In the two sidebands, which carry the audio
In carrier and sidebands, in equal shares
In the upper sideband, which carries the speech
Dans un signal AM, où se trouve la plus grande partie de la puissance émise ?
Dans la porteuse, qui ne porte aucune information
Dans les deux bandes latérales, qui portent l'audio
À parts égales entre la porteuse et les bandes latérales
Dans la bande latérale supérieure, qui porte la voix

What is demodulation?
Recovering the information from a modulated signal
Removing the carrier of a signal before it is sent
Converting a received signal to a fixed intermediate frequency
Reducing the modulation depth to keep a signal clean
Qu'est-ce que la démodulation ?
Extraire d'un signal modulé l'information qu'il porte
Supprimer la porteuse d'un signal avant son émission
Convertir un signal reçu sur une fréquence intermédiaire fixe
Réduire le taux de modulation pour garder un signal propre

A beginner builds a simple AM receiver. Which simple circuit can demodulate the AM signal?
A diode detector and a low-pass filter
A frequency discriminator, as used for FM
A frequency multiplier with a tuned output
A balanced modulator fed with the audio
Un débutant construit un récepteur AM simple. Quel circuit simple peut démoduler le signal AM ?
Un détecteur à diode et un filtre passe-bas
Un discriminateur, comme dans un récepteur FM
Un multiplicateur de fréquence à sortie accordée
Un modulateur équilibré attaqué par la BF

Why is AM still used by some amateurs even though it needs more power and bandwidth than SSB?
It is simple, and many enjoy restoring old sets
It gives a longer range than SSB for the same power
The international rules require it on some HF bands
It takes less bandwidth than SSB on crowded bands
Pourquoi l'AM est-elle encore utilisée par certains radioamateurs, bien qu'elle exige plus de puissance et de bande que la BLU ?
Simple, elle permet de restaurer de vieux postes
Elle porte plus loin que la BLU à puissance égale
Les règles internationales l'imposent sur certaines bandes HF
Elle occupe moins de place que la BLU en bande chargée

A carrier of 7.100 MHz is amplitude-modulated by a 1 kHz tone. Which frequencies does the signal contain?
7.099, 7.100 and 7.101 MHz
7.099 and 7.101 MHz, with no carrier
7.100 MHz alone, varying in strength
7.100 and 7.101 MHz, and nothing else
Une porteuse de 7,100 MHz est modulée en amplitude par un son de 1 kHz. Quelles fréquences le signal contient-il ?
7,099, 7,100 et 7,101 MHz
7,099 et 7,101 MHz, sans porteuse
7,100 MHz seule, d'intensité variable
7,100 et 7,101 MHz, sans rien d'autre
""")

S02 = parse("""
What is single-sideband (SSB) modulation?
AM with the carrier and one sideband removed
AM with the carrier removed and both sidebands kept
FM with a narrow deviation, giving one sideband
A carrier keyed on and off by the speech
Qu'est-ce que la modulation à bande latérale unique (BLU) ?
Une AM privée de sa porteuse et d'une bande latérale
Une AM privée de sa porteuse mais gardant ses deux bandes
Une FM à faible excursion, donnant une seule bande
Une porteuse manipulée par la parole

An SSB and an AM transmitter have the same peak power. Why does the SSB signal get through better on a weak path?
Its power all goes into the one useful sideband
Its stronger carrier carries more of the speech energy
Its wider bandwidth lets more of the voice through
Its signal is reflected better by the ionosphere
Un émetteur BLU et un émetteur AM ont la même puissance de crête. Pourquoi le signal BLU passe-t-il mieux sur un trajet difficile ?
Toute sa puissance va dans la bande latérale utile
Sa porteuse plus forte transporte plus d'énergie de la voix
Sa bande plus large laisse passer plus de la voix
Son signal est mieux réfléchi par l'ionosphère

What is the typical bandwidth occupied by a well-adjusted single-sideband voice signal?
About 3 kHz
About 6 kHz
About 10 kHz
About 12.5 kHz
Quelle est la largeur de bande typique occupée par un signal de phonie en bande latérale unique bien réglé ?
Environ 3 kHz
Environ 6 kHz
Environ 10 kHz
Environ 12,5 kHz

An SSB station pauses between words. What is heard from its transmitter while the operator is silent?
Nothing, as no carrier is sent
A steady carrier at reduced power
A steady tone from the modulator
Background noise at full output power
Une station BLU fait une pause entre deux mots. Qu'entend-on de son émetteur pendant que l'opérateur se tait ?
Rien, aucune porteuse n'étant émise
Une porteuse continue à puissance réduite
Une note continue venant du modulateur
Un souffle à pleine puissance de sortie

What does the receiver need in order to demodulate an SSB signal?
A local carrier (BFO) and a product detector
A simple diode detector, as for broadcast AM
A frequency discriminator, as used for FM
The transmitted carrier, filtered out and amplified
De quoi le récepteur a-t-il besoin pour démoduler un signal BLU ?
D'une porteuse locale (BFO) et d'un détecteur de produit
D'un simple détecteur à diode, comme pour l'AM
D'un discriminateur de fréquence, comme en FM
De la porteuse émise, filtrée et amplifiée

Why does an SSB voice sound high-pitched or low-pitched when the receiver is slightly mistuned?
The whole audio band shifts by the tuning error
The BFO speeds the speech up or slows it down
The sideband flips over whenever the receiver drifts
The AGC raises or lowers the level of the voice
Pourquoi une voix en BLU paraît-elle aiguë ou grave quand le récepteur est légèrement désaccordé ?
La bande audio entière glisse de l'erreur d'accord
Le BFO accélère ou ralentit le débit de la parole
La bande latérale s'inverse dès que le récepteur dérive
La CAG monte ou baisse le niveau de la voix

Transmitter specifications and licence conditions often quote power for SSB. How is the power of an SSB transmitter usually stated?
As peak envelope power (PEP), on voice peaks
As carrier power, measured with no speech
As the average power over a whole minute
As the DC input power drawn from the supply
Les caractéristiques des émetteurs et les conditions de licence indiquent souvent une puissance en BLU. Comment l'exprime-t-on habituellement ?
En puissance de crête d'enveloppe (PEP)
En puissance de porteuse, micro silencieux
En puissance moyenne sur une minute
En puissance continue prise à l'alimentation

Which filter is commonly used in a transmitter to remove the unwanted sideband?
A crystal filter about 2.4 kHz wide
A low-pass filter at the PA output
A high-pass audio filter at the microphone
A notch filter at the antenna socket
Quel filtre utilise-t-on couramment dans un émetteur pour éliminer la bande latérale indésirable ?
Un filtre à quartz d'environ 2,4 kHz
Un filtre passe-bas en sortie
Un filtre audio passe-haut au microphone
Un filtre réjecteur à la prise d'antenne

In an SSB transmitter, what does the balanced modulator produce from the audio and the carrier oscillator?
Two sidebands, carrier suppressed
The carrier alone, with no sidebands
One sideband, with the full carrier
A carrier modulated in frequency
Dans un émetteur BLU, que produit le modulateur équilibré à partir de l'audio et de l'oscillateur de porteuse ?
Deux bandes latérales sans porteuse
La porteuse seule, sans bandes latérales
Une bande latérale et sa porteuse
Une porteuse modulée en fréquence

Why should the microphone gain of an SSB transmitter not be set too high?
It overdrives the stages, causing splatter
It makes the signal narrower, cutting the high tones
It moves the transmission to the opposite sideband
It raises the carrier level, wasting output power
Pourquoi ne faut-il pas régler trop haut le gain micro d'un émetteur BLU ?
Cela surcharge les étages et crée des débordements
Cela rétrécit le signal en coupant les aigus
Cela fait passer l'émission sur l'autre bande latérale
Cela relève la porteuse et gaspille la puissance
""")

S03 = parse("""
In frequency modulation (FM), what does the audio signal change?
The carrier frequency, moment by moment
The carrier's amplitude, at a fixed frequency
The width of the channel the signal uses
The level of the carrier, as in AM
En modulation de fréquence (FM), que fait varier le signal audio ?
La fréquence de la porteuse, d'instant en instant
L'amplitude de la porteuse, à fréquence fixe
La largeur du canal qu'occupe le signal
Le niveau de la porteuse, comme en AM

What is the deviation of an FM signal?
The swing of the carrier frequency
The spacing between two channels
The error of the frequency display
The highest audio frequency sent
Qu'est-ce que l'excursion d'un signal FM ?
L'écart de fréquence de la porteuse
L'écart entre deux canaux voisins
L'erreur de la fréquence affichée
La plus haute fréquence audio émise

What is the main advantage of FM over AM for local VHF contacts?
It rejects amplitude noise, giving quiet, steady audio
It takes far less bandwidth than AM for the same speech
It keeps working further below the noise than AM does
Its signals bend further beyond the radio horizon
Quel est le principal avantage de la FM sur l'AM pour les liaisons VHF locales ?
Elle rejette le bruit d'amplitude, d'où un audio calme
Elle occupe bien moins de bande que l'AM
Elle fonctionne plus loin sous le bruit que l'AM
Ses signaux se courbent plus loin au-delà de l'horizon radio

Using Carson's rule, about what bandwidth does a narrow-band FM voice signal with 2.5 kHz deviation and audio up to 3 kHz occupy?
About 11 kHz
About 5.5 kHz
About 16 kHz
About 25 kHz
D'après la règle de Carson, environ quelle largeur de bande occupe un signal FM bande étroite en phonie, avec 2,5 kHz d'excursion et un audio jusqu'à 3 kHz ?
Environ 11 kHz
Environ 5,5 kHz
Environ 16 kHz
Environ 25 kHz

Two FM stations transmit at the same time on one channel, one far louder than the other. What does a listener usually hear?
The stronger one, the weaker suppressed
Both of them, mixed together at equal volume
A loud beat between the two carriers
Neither, as the squelch closes on both
Deux stations FM émettent en même temps sur un canal, l'une reçue bien plus fort que l'autre. Qu'entend en général l'auditeur ?
La plus forte, la plus faible étant étouffée
Les deux, mélangées à volume égal
Un fort battement entre les deux porteuses
Aucune, le silencieux se fermant

Why do FM transmitters use a limiter or careful level control on the microphone signal?
To keep the deviation and width within limits
To keep the carrier power constant at all audio levels
To stop the squelch closing during loud speech
To hold the carrier frequency steady while speaking
Pourquoi les émetteurs FM limitent-ils ou contrôlent-ils soigneusement le niveau du microphone ?
Pour tenir l'excursion et la largeur dans les limites
Pour garder la puissance constante à tout niveau audio
Pour éviter que le silencieux se ferme sur une voix forte
Pour tenir la fréquence de la porteuse fixe pendant la parole

In an FM receiver, which circuit after the IF stages recovers the audio from the signal?
A discriminator, or FM detector
A simple envelope detector, as for AM
A product detector fed by a BFO
A limiter alone, with no detector
Dans un récepteur FM, quel circuit placé après les étages FI récupère l'audio du signal ?
Un discriminateur (détecteur FM)
Un simple détecteur d'enveloppe, comme en AM
Un détecteur de produit attaqué par un BFO
Un limiteur seul, sans détecteur

Why can an FM transmitter use a non-linear, efficient power amplifier?
Its amplitude carries no information
FM signals produce no harmonics
The power amplifier sets the deviation
FM signals have no sidebands to distort
Pourquoi un émetteur FM peut-il utiliser un amplificateur de puissance non linéaire, à bon rendement ?
Son amplitude ne porte aucune information
Les signaux FM ne produisent aucun harmonique
L'amplificateur de puissance fixe l'excursion
Les signaux FM n'ont pas de bandes latérales à déformer

While monitoring a quiet FM channel, you adjust the squelch control. What is the purpose of the squelch?
To mute the audio when no signal is present
To raise the sensitivity to very weak signals
To narrow the bandwidth on a busy channel
To remove noise from a strong signal's audio
En surveillant un canal FM silencieux, vous réglez le silencieux (squelch). À quoi sert-il ?
À couper l'audio en l'absence de signal
À relever la sensibilité aux signaux très faibles
À réduire la largeur de bande sur un canal chargé
À ôter le bruit de l'audio d'un signal fort

What is phase modulation closely related to?
FM, since a changing phase shifts the frequency
AM, as a phase change alters the level
SSB, the mode with one sideband and no carrier
On-off keying, as used to send Morse
À quoi la modulation de phase est-elle étroitement liée ?
À la FM, une phase qui varie décalant la fréquence
À l'AM, un saut de phase changeant le niveau
À la BLU, mode à une bande latérale sans porteuse
À la manipulation tout ou rien, celle du Morse
""")

S04 = parse("""
How is a CW (Morse) signal produced?
By keying the carrier on and off in dots and dashes
By shifting the carrier's frequency with the speech
By suppressing the carrier and one sideband
By varying the carrier's amplitude with the voice
Comment produit-on un signal de télégraphie (CW) ?
En manipulant une porteuse en points et traits
En décalant la fréquence de la porteuse avec la voix
En supprimant la porteuse et une bande latérale
En faisant varier l'amplitude de la porteuse par la voix

What are key clicks?
Wideband interference caused by keying too abruptly
The sound of a mechanical key being operated
Clicks from the relay of a linear amplifier
Noise in the receiver from a faulty connector
Que sont les clics de manipulation ?
Un brouillage large bande dû à des fronts trop raides
Le bruit d'un manipulateur mécanique en service
Les claquements du relais d'un amplificateur linéaire
Un bruit dans le récepteur dû à un connecteur défectueux

Other stations report key clicks on your CW signal, spreading several kilohertz either side. How are key clicks reduced?
By shaping the rise and fall of each element
By keying faster, so each click is shorter
By raising power so the signal masks them
By fitting a low-pass filter at the antenna socket
D'autres stations signalent des clics de manipulation sur votre signal CW, étalés sur plusieurs kilohertz. Comment les réduit-on ?
En adoucissant montée et descente de chaque élément
En manipulant plus vite, pour raccourcir chaque clic
En montant la puissance pour que le signal les masque
En montant un filtre passe-bas à la prise d'antenne

Why does a receiver need a beat frequency oscillator (BFO) to receive CW?
It beats with the carrier to give an audible tone
It removes the noise heard between the dots and dashes
It demodulates the tone sent by the transmitter
It keeps the AGC from pumping on each element
Pourquoi faut-il un oscillateur de battement (BFO) pour recevoir la télégraphie ?
Il bat avec la porteuse pour donner une note audible
Il supprime le bruit entre les points et les traits
Il démodule la note envoyée par l'émetteur
Il empêche la CAG de pomper à chaque élément

Why is Morse code good at getting through under poor conditions?
Morse suits narrow filters that reject most noise
Morse carriers are sent at higher power than voice
Morse signals are little affected by fading
Morse uses quieter, lower frequencies than voice
Pourquoi le Morse passe-t-il bien dans de mauvaises conditions ?
Un filtre étroit le laisse passer et rejette le bruit
Les porteuses Morse sont émises plus fort que la phonie
Les signaux Morse souffrent peu de l'évanouissement
Le Morse emploie des fréquences plus basses et plus calmes

What is frequency-shift keying (FSK)?
Moving the carrier between two frequencies, bit by bit
Switching the carrier on and off for each bit
Reversing the carrier's phase at a fixed frequency
Varying the carrier's amplitude for each bit
Qu'est-ce que la manipulation par déplacement de fréquence (FSK) ?
Faire passer la porteuse entre deux fréquences
Couper et rétablir la porteuse à chaque bit
Inverser la phase de la porteuse à fréquence fixe
Faire varier l'amplitude de la porteuse à chaque bit

FT8 signals can often be decoded when they are too weak to be heard by ear. What makes this possible?
Slow, narrow tones and strong error correction
Very fast symbols that outrun the fading on the path
A wide signal spread across the whole band
Heavy compression that raises the average power
Les signaux FT8 sont souvent décodés alors qu'ils sont trop faibles pour être entendus à l'oreille. Qu'est-ce qui le permet ?
Un signal lent et étroit, et une forte correction d'erreurs
Des symboles très rapides qui devancent l'évanouissement
Un signal large, étalé sur toute la bande
Une forte compression qui relève la puissance moyenne

Digital modes are often described by their baud rate. What is the "baud rate" of a digital signal?
The number of symbols sent per second
The number of bits that make up each character
The bandwidth in hertz occupied by the signal
The number of stations sharing one channel
Les modes numériques sont souvent décrits par leur rapidité de modulation en bauds. Qu'est-ce que cette rapidité ?
Le nombre de symboles émis par seconde
Le nombre de bits qui forment chaque caractère
La largeur de bande en hertz occupée par le signal
Le nombre de stations partageant un canal

On VHF, packet radio and APRS usually send 1200 bit/s data through an ordinary FM transceiver. How is the data carried?
By sending two audio tones to the mic input
By keying the FM carrier on and off for each bit
By reversing the carrier's phase for each bit
By varying the carrier's power for each bit
En VHF, le packet radio et l'APRS transmettent souvent des données à 1200 bit/s avec un émetteur-récepteur FM ordinaire. Comment les données sont-elles portées ?
En envoyant deux tonalités audio au micro
En manipulant la porteuse FM à chaque bit
En inversant la phase de la porteuse à chaque bit
En faisant varier la puissance à chaque bit
""")

S05 = c.image([("14.2", "9"), ("7.05", "10.7"), ("145.5", "10.7")]) + parse("""
Why does a superheterodyne receiver convert every signal it tunes to one intermediate frequency (IF)?
Fixed IF stages then give most gain and selectivity
The IF is the only frequency a loudspeaker can reproduce
Converting the signal removes the noise from the antenna
A single IF removes the need for any filter ahead of it
Pourquoi un récepteur superhétérodyne convertit-il chaque signal reçu sur une même fréquence intermédiaire (FI) ?
Des étages FI fixes assurent gain et sélectivité
La FI est la seule fréquence qu'un haut-parleur peut reproduire
La conversion ôte du signal le bruit venu de l'antenne
Une FI unique dispense de tout filtre placé avant elle

What does the mixer of a superheterodyne receiver do?
It mixes signal and oscillator to give the IF
It removes the carrier and keeps a single sideband
It multiplies the signal frequency by a fixed factor
It amplifies each signal at its own frequency
Que fait le mélangeur d'un récepteur superhétérodyne ?
Il combine signal et oscillateur local pour donner la FI
Il supprime la porteuse et ne garde qu'une bande latérale
Il multiplie la fréquence du signal par un facteur fixe
Il amplifie chaque signal sur sa propre fréquence

A mixer in a receiver is fed with the incoming signal f1 and the local oscillator f2. Which frequencies come out of it?
The sum and difference frequencies, f1 ± f2
f1 alone, amplified by the mixer's gain
Their average, (f1 + f2) / 2, on its own
The doubled frequencies 2 × f1 and 2 × f2
Un mélangeur de récepteur reçoit le signal entrant f1 et l'oscillateur local f2. Quelles fréquences en sortent ?
Les fréquences somme et différence f1 ± f2
f1 seule, amplifiée par le gain du mélangeur
Leur moyenne, (f1 + f2) / 2, à elle seule
Les fréquences doublées 2 × f1 et 2 × f2

Which unwanted signal is meant by the "image frequency" of a superheterodyne receiver?
A second input frequency that also mixes to the IF
The local oscillator, heard through the mixer
The second harmonic of the wanted signal
A reflection of the signal from a nearby building
Quel signal indésirable désigne-t-on par la « fréquence image » d'un récepteur superhétérodyne ?
Une autre fréquence d'entrée qui donne elle aussi la FI
L'oscillateur local, entendu à travers le mélangeur
L'harmonique de rang 2 du signal voulu
Un reflet du signal renvoyé par un bâtiment voisin

In a superheterodyne receiver, which part protects it from signals on the image frequency?
The tuned circuits ahead of the mixer
The IF filter that sets the selectivity
The squelch circuit, which mutes the image
The AGC, which lowers the image level
Dans un récepteur superhétérodyne, quelle partie le protège des signaux sur la fréquence image ?
Les filtres placés avant le mélangeur
Le filtre FI qui fixe la sélectivité
Le silencieux, qui coupe l'image
La CAG, qui baisse le niveau de l'image

Why does a high first IF make it easier to reject the image frequency?
The image falls far outside the input filter
A high IF makes the wanted signal much stronger
A high IF needs no filter at all before the mixer
The mixer cancels the image once the IF is high
Pourquoi une première FI élevée facilite-t-elle la réjection de la fréquence image ?
L'image tombe loin, hors du filtre d'entrée
Une FI élevée renforce beaucoup le signal voulu
Une FI élevée dispense de tout filtre avant le mélangeur
Le mélangeur annule l'image dès que la FI est haute

In what order do the main stages of a simple superheterodyne receiver stand, from antenna to loudspeaker?
RF amplifier, mixer, IF amplifier, detector, audio amplifier
RF amplifier, IF filter and amplifier, mixer, detector, audio amplifier
Mixer, RF amplifier, detector, IF amplifier, audio amplifier
RF amplifier, mixer, detector, IF filter and amplifier, audio amplifier
Dans quel ordre se suivent les principaux étages d'un superhétérodyne simple, de l'antenne au haut-parleur ?
Ampli HF, mélangeur, ampli FI, détecteur, ampli audio
Ampli HF, filtre et ampli FI, mélangeur, détecteur, ampli audio
Mélangeur, ampli HF, détecteur, ampli FI, ampli audio
Ampli HF, mélangeur, détecteur, filtre et ampli FI, ampli audio
""")

S06 = c.local_osc([("3.7", "0.455", True), ("14.1", "9", False), ("28.5", "10.7", True)]) + parse("""
A receiver's data sheet praises its sensitivity. What does the sensitivity of a receiver describe?
How weak a signal it can usefully receive
How well it separates two close signals
How strong a received signal it handles undistorted
How loud its audio output can be made
La fiche technique d'un récepteur vante sa sensibilité. Que décrit la sensibilité d'un récepteur ?
Le plus faible signal qu'il reçoit utilement
Son aptitude à séparer deux signaux proches
Le plus fort signal qu'il supporte sans distorsion
La puissance que peut fournir sa sortie audio

Two stations are 1 kHz apart and you want to hear only one of them. Which quality of the receiver matters most?
Its selectivity, from its filters
Its sensitivity, set by its RF gain
Its noise figure, from its first stage
Its audio power, from its output stage
Deux stations sont à 1 kHz l'une de l'autre et vous voulez n'en entendre qu'une. Quelle qualité du récepteur compte le plus ?
Sa sélectivité, fixée par ses filtres FI
Sa sensibilité, fixée par son gain HF
Son facteur de bruit, fixé par son premier étage
Sa puissance audio, fixée par son étage de sortie

What does automatic gain control (AGC) do?
It keeps the audio level steady as signals vary
It tunes the receiver to the strongest signal it finds
It mutes the audio when no signal is present
It limits the transmit power on voice peaks
Que fait la commande automatique de gain (CAG) ?
Elle garde un niveau audio stable malgré les variations
Elle accorde le récepteur sur le signal le plus fort
Elle coupe l'audio en l'absence de signal
Elle limite la puissance émise sur les pointes de voix

Why should the IF filter bandwidth suit the mode being received?
Just wide enough, it passes the signal and little noise
A wider filter gives better reception in every mode
The filter width sets the receiver's tuning step
A narrower filter makes the signal itself stronger
Pourquoi la largeur du filtre FI doit-elle convenir au mode reçu ?
Juste assez large, il garde le signal et peu de bruit
Un filtre plus large reçoit mieux dans tous les modes
La largeur du filtre fixe le pas d'accord du récepteur
Un filtre plus étroit rend le signal lui-même plus fort

You listen for weak Morse signals in a crowded band. Which receiver filter width suits CW reception?
About 500 Hz
About 2.4 kHz
About 6 kHz
About 15 kHz
Vous écoutez des signaux Morse faibles sur une bande encombrée. Quelle largeur de filtre de réception convient à la télégraphie ?
Environ 500 Hz
Environ 2,4 kHz
Environ 6 kHz
Environ 15 kHz

What is the purpose of an RF attenuator switch on a receiver?
To cut strong signals that overload the input
To raise the sensitivity by removing noise
To shield the loudspeaker from very loud signals
To lower the noise floor of the receiver itself
À quoi sert le commutateur d'atténuateur HF d'un récepteur ?
À réduire les signaux forts saturant l'entrée
À relever la sensibilité en ôtant le bruit
À protéger le haut-parleur des signaux très forts
À abaisser le bruit de fond propre du récepteur

What limits the weakest signal that can be heard on the lower HF bands, in most locations?
The natural and man-made noise from outside
The noise of the receiver's own first stage
The noise of the receiver's audio stages
The loss of the coaxial cable to the antenna
Qu'est-ce qui limite le plus faible signal audible sur les bandes HF basses, dans la plupart des lieux ?
Le bruit naturel et artificiel venu de l'extérieur
Le bruit propre du premier étage du récepteur
Le bruit des étages audio du récepteur
La perte du câble coaxial vers l'antenne
""")

S07 = parse("""
In what order do the main stages of a simple CW transmitter stand?
Oscillator, buffer, driver, power amplifier, output filter
Oscillator, driver, low-pass filter, buffer, power amplifier
Buffer, oscillator, power amplifier, driver, low-pass filter
Output filter, oscillator, buffer, driver, power amplifier
Dans quel ordre se suivent les principaux étages d'un émetteur CW simple ?
Oscillateur, séparateur, attaque, ampli de puissance, filtre de sortie
Oscillateur, attaque, filtre passe-bas de sortie, séparateur, ampli de puissance
Séparateur, oscillateur, ampli de puissance, attaque, filtre passe-bas de sortie
Filtre de sortie, oscillateur, séparateur, attaque, ampli de puissance

Why is a buffer stage placed straight after the oscillator of a transmitter?
To stop load changes pulling its frequency
To multiply the frequency up to the final one
To filter out the harmonics of the oscillator
To add the modulation before the final stage
Pourquoi place-t-on un étage séparateur juste après l'oscillateur d'un émetteur ?
Pour que la charge ne puisse pas tirer sa fréquence
Pour multiplier la fréquence jusqu'à la valeur finale
Pour filtrer les harmoniques produits par l'oscillateur
Pour ajouter la modulation avant l'étage final

Almost every HF transmitter has a low-pass filter between its power amplifier and the antenna socket. Why does the output pass through it?
To attenuate harmonics of the output
To remove the unwanted lower sideband
To block DC from reaching the antenna
To raise the output by resonance
Presque tout émetteur HF comporte un filtre passe-bas entre l'amplificateur de puissance et la prise d'antenne. Pourquoi la sortie le traverse-t-elle ?
Pour atténuer les harmoniques émis
Pour supprimer la bande latérale inférieure
Pour bloquer le continu vers l'antenne
Pour relever la sortie par résonance

The meter of an SSB transmitter can show its ALC. What does automatic level control do?
It trims drive to keep the amplifier linear
It sets the receiver's volume on strong signals
It keeps the antenna matched as the SWR changes
It holds the carrier on frequency as it warms up
Le galvanomètre d'un émetteur BLU peut indiquer l'ALC. Que fait la commande automatique de niveau ?
Elle réduit l'excitation pour garder l'ampli linéaire
Elle règle le volume du récepteur sur les signaux forts
Elle garde l'antenne adaptée quand le ROS varie
Elle tient la porteuse sur sa fréquence à la chauffe

What does a linear amplifier do when added after a transceiver?
It raises the power while keeping the waveform
It raises the power by multiplying the frequency
It clips the peaks to raise the average power
It converts the signal to FM for efficiency
Que fait un amplificateur linéaire ajouté après un émetteur-récepteur ?
Il augmente la puissance en gardant la forme d'onde
Il augmente la puissance en multipliant la fréquence
Il écrête les pointes pour relever la puissance moyenne
Il convertit le signal en FM pour le rendement

How is an SSB signal usually produced at the operating frequency in a superheterodyne transceiver?
By generating it at a fixed IF, then mixing it
By filtering one sideband off the final amplifier's output
By multiplying a low-frequency SSB signal up to the band
By keying the carrier oscillator with the audio
Comment un signal BLU est-il généralement produit sur la fréquence de travail dans un émetteur-récepteur superhétérodyne ?
En le produisant sur une FI fixe, puis en le transposant
En filtrant une bande latérale à la sortie de l'étage final
En multipliant un signal BLU basse fréquence jusqu'à la bande
En manipulant l'oscillateur de porteuse par l'audio

Why must a transceiver switch its antenna quickly and reliably between receive and transmit?
To protect the receiver from the transmitted power
To save the battery's power between overs
To prevent frequency drift as the transmitter warms
To keep the SWR low while changing over
Pourquoi un émetteur-récepteur doit-il commuter l'antenne vite et sûrement entre réception et émission ?
Pour protéger le récepteur de la puissance émise
Pour économiser la batterie entre les passages
Pour éviter la dérive quand l'émetteur chauffe
Pour garder un ROS bas pendant la commutation

What is a frequency multiplier?
A stage giving a chosen harmonic of its input
An amplifier that multiplies the power tenfold
A mixer that produces the difference frequency
A stage that divides the frequency by a set number
Qu'est-ce qu'un multiplicateur de fréquence ?
Un étage qui sort un harmonique choisi de l'entrée
Un amplificateur qui décuple la puissance
Un mélangeur produisant la fréquence différence
Un étage qui divise la fréquence par un nombre fixe

In a digital voice transmitter, what turns the speech into a low-rate stream of data before it is sent?
A vocoder (voice codec)
A balanced modulator (mixer)
A speech processor (compressor)
A discriminator (FM detector)
Dans un émetteur de phonie numérique, qu'est-ce qui transforme la parole en un flux de données à bas débit avant l'émission ?
Un vocodeur (codec vocal)
Un modulateur équilibré (mélangeur)
Un compresseur de modulation
Un discriminateur FM (détecteur)

What does a speech processor do in an SSB transmitter?
It raises the average power of the speech
It shifts the speech pitch to suit the sideband
It removes background noise from the microphone
It raises the peak power above the rated PEP
Que fait un compresseur de modulation dans un émetteur BLU ?
Il relève la puissance moyenne de la parole
Il décale la hauteur de la voix selon la bande latérale
Il supprime le bruit de fond capté par le microphone
Il porte la puissance de crête au-delà de la PEP nominale
""")

S08 = c.harmonic([("7.05", 2), ("3.55", 3), ("14.2", 2)]) + parse("""
A transmitter's data sheet gives the level of its harmonics. What are harmonics?
Signals at whole multiples of the frequency
Signals at simple fractions of the frequency
Sidebands caused by speech that is too loud
Hum sidebands from a poorly filtered supply
La fiche technique d'un émetteur indique le niveau de ses harmoniques. Que sont les harmoniques ?
Des signaux à des multiples entiers de la fréquence
Des signaux à des fractions de la fréquence
Des bandes latérales dues à une voix trop forte
Du ronflement venu d'une alimentation mal filtrée

What is splatter on an SSB signal?
Emissions either side, from overdrive
Harmonics falling on a higher band
Drift of the carrier during long overs
Hum on the audio from a poor supply
Qu'est-ce que le débordement (splatter) d'un signal BLU ?
Des émissions de part et d'autre, par surexcitation
Des harmoniques tombant sur une bande plus haute
Une dérive de la porteuse pendant les longs passages
Du ronflement sur l'audio, dû à une alimentation médiocre

What is a parasitic oscillation in an amplifier?
An unwanted oscillation on an unrelated frequency
The normal output of the oscillator stage
A harmonic removed by the output low-pass filter
Hum from the power supply on the carrier
Qu'est-ce qu'une oscillation parasite dans un amplificateur ?
Une oscillation sur une fréquence sans rapport
Le signal normal produit par l'étage oscillateur
Un harmonique que supprime le filtre de sortie
Le ronflement de l'alimentation sur la porteuse

A station hears reports that its SSB signal is very wide and distorted. What is the most likely cause?
Too much microphone gain or drive level
A high SWR on the antenna feed line
A low-pass filter at the transmitter output
Using the wrong sideband for the band
Une station reçoit des reports indiquant que son signal BLU est très large et déformé. Quelle en est la cause la plus probable ?
Un gain micro ou une excitation excessifs
Un ROS élevé sur la ligne d'antenne
Un filtre passe-bas en sortie de l'émetteur
L'emploi de la mauvaise bande latérale

Another station tells you that your CW signal has chirp. What is chirp on a CW signal?
A frequency shift as each element is keyed
A rough, buzzing note from a poor supply
Clicks at the start and end of elements
An echo as the signal takes two paths
Une autre station vous dit que votre signal CW a du « chirp ». Qu'est-ce que le chirp ?
Un glissement de fréquence à chaque élément manipulé
Une note rauque, due à l'alimentation
Des clics au début et à la fin de chaque élément
Un écho, le signal suivant deux trajets

On the waterfall, a PSK31 station shows extra lines either side of its signal. What is the usual cause?
Too much audio drive to the transmitter
A receiver filter set wider than the signal
The error correction adding extra data tones
The ionosphere splitting the signal in two
Sur l'affichage en cascade, une station PSK31 montre des traces supplémentaires de part et d'autre de son signal. Quelle en est la cause habituelle ?
Un niveau audio trop fort vers l'émetteur
Un filtre de réception plus large que le signal
La correction d'erreurs qui ajoute des tonalités
Le signal dédoublé par l'ionosphère en chemin

How can you check your own transmitted signal for splatter or harmonics?
By using a spectrum analyser and an attenuator
By reading the SWR meter while transmitting
By listening to the monitor in your headphones
By measuring the supply voltage under load
Comment vérifier soi-même l'absence de débordements ou d'harmoniques de son signal ?
En utilisant un analyseur de spectre et un atténuateur
En lisant le ROS-mètre pendant que l'on émet
En écoutant le retour dans votre casque
En mesurant la tension d'alimentation en charge
""")

S09 = parse("""
What is a variable frequency oscillator (VFO)?
An oscillator whose frequency the operator sets
An oscillator locked to one crystal frequency
An amplifier whose gain can be varied
An adjustable supply that feeds the oscillator
Qu'est-ce qu'un oscillateur à fréquence variable (VFO) ?
Un oscillateur dont l'opérateur règle la fréquence
Un oscillateur calé sur la fréquence d'un quartz
Un amplificateur dont on peut varier le gain
Une alimentation réglable qui alimente l'oscillateur

Why is a crystal oscillator more stable than a simple LC oscillator?
Quartz has a very high Q and little thermal drift
Crystals give more power, which steadies the frequency
Crystal oscillators work at audio frequencies only
Crystal oscillators need no feedback to run
Pourquoi un oscillateur à quartz est-il plus stable qu'un simple oscillateur LC ?
Le quartz a un Q très élevé et dérive peu à la chaleur
Le quartz fournit plus de puissance, ce qui tient la fréquence
Les oscillateurs à quartz ne marchent qu'en audio
Les oscillateurs à quartz n'ont pas besoin de réaction

In a direct-sampling SDR receiver, what does the analogue-to-digital converter (ADC) do?
It turns the RF signal into a stream of numbers
It turns the numbers back into audio for the speaker
It sets the tuning of the local oscillator
It filters out signals outside the amateur bands
Dans un récepteur SDR à échantillonnage direct, que fait le convertisseur analogique-numérique (CAN) ?
Il transforme le signal HF en une suite de nombres
Il retransforme les nombres en audio pour le haut-parleur
Il règle la fréquence d'accord de l'oscillateur local
Il élimine les signaux hors des bandes amateurs

What is a phase-locked loop (PLL) synthesiser?
A tunable oscillator locked to a stable reference
A free-running oscillator tuned by a capacitor
A filter that removes only phase noise
An amplifier that holds a signal's phase
Qu'est-ce qu'un synthétiseur à boucle à verrouillage de phase (PLL) ?
Un oscillateur asservi à une référence stable
Un oscillateur libre accordé par un condensateur
Un filtre qui n'ôte que le bruit de phase
Un amplificateur qui fige la phase d'un signal

What is direct digital synthesis (DDS)?
Building a waveform from numbers fed to a DAC
Mixing two oscillators and keeping the difference
Dividing a crystal frequency by a fixed ratio
Tuning an oscillator with a digital display
Qu'est-ce que la synthèse numérique directe (DDS) ?
Construire une onde avec des nombres envoyés à un CNA
Mélanger deux oscillateurs et garder la différence
Diviser la fréquence d'un quartz par un rapport fixe
Accorder un oscillateur muni d'un affichage numérique

What is a software-defined radio (SDR)?
A radio that filters and demodulates in software
A radio controlled over the internet from a computer
A radio whose settings are stored in memories
A radio whose display shows a software menu
Qu'est-ce qu'une radio logicielle (SDR) ?
Une radio qui filtre et démodule par logiciel
Une radio pilotée par un ordinateur via internet
Une radio dont les réglages sont mis en mémoire
Une radio dont l'afficheur présente un menu logiciel

What is the reference oscillator of a transceiver used for?
It is the source of all its frequencies
It gives the CW sidetone heard in the headphones
It drives the power amplifier on transmit
It is the clock that keeps the UTC time shown
À quoi sert l'oscillateur de référence d'un émetteur-récepteur ?
C'est la source de toutes ses fréquences
Il produit la note de contrôle CW entendue au casque
Il attaque l'amplificateur de puissance en émission
C'est l'horloge qui tient l'heure UTC affichée

What does a frequency display show on most modern transceivers when on SSB?
The frequency of the suppressed carrier
The centre of the transmitted sideband
The top edge of the signal
The frequency of the receiver's IF
Qu'indique l'affichage de fréquence de la plupart des émetteurs-récepteurs modernes en BLU ?
La fréquence de la porteuse supprimée
Le centre de la bande latérale émise
Le bord haut du signal
La fréquence de la FI du récepteur

Why is phase noise in an oscillator a problem?
It spreads noise over weak signals nearby
It makes the oscillator drift with temperature
It raises the current drawn by the oscillator
It adds hum to the audio of every signal
Pourquoi le bruit de phase d'un oscillateur est-il un problème ?
Il masque de bruit les signaux faibles voisins
Il fait dériver l'oscillateur avec la température
Il augmente le courant consommé par l'oscillateur
Il ajoute un ronflement à l'audio de tout signal

What is a temperature-compensated crystal oscillator (TCXO) used for?
Keeping the reference accurate as temperature changes
Heating the crystal to a high, fixed temperature
Measuring the temperature of the final amplifier
Cutting the transmitter power when the transceiver is hot
À quoi sert un oscillateur à quartz compensé en température (TCXO) ?
À garder une référence exacte malgré la température
À chauffer le quartz à une température élevée fixe
À mesurer la température de l'amplificateur final
À couper la puissance quand l'appareil chauffe
""")

S10 = parse("""
What does the RIT (receiver incremental tuning) control do?
It offsets the receive frequency only
It offsets the transmit frequency only
It shifts receive and transmit together
It narrows the receive filter
Que fait la commande RIT (accord fin du récepteur) ?
Elle décale la seule fréquence de réception
Elle décale la seule fréquence d'émission
Elle décale ensemble réception et émission
Elle resserre le filtre autour du signal

In a car, ignition noise drowns weak signals, so you switch on the noise blanker. What does a noise blanker do?
It mutes the receiver during short, strong impulses
It removes steady tones and carriers from the audio
It raises the gain for weak signals between the pulses
It filters the DC supply lead of the transceiver
En voiture, les parasites d'allumage noient les signaux faibles ; vous mettez le suppresseur de parasites. Que fait-il ?
Il coupe le récepteur durant les impulsions fortes
Il supprime les porteuses et notes continues de l'audio
Il monte le gain pour les signaux faibles entre les impulsions
Il filtre le cordon d'alimentation de l'appareil

What does digital noise reduction in a receiver do?
It processes the audio to lower background noise
It mutes the receiver when noise is present
It cuts the noise from the transmitter
It widens the filter to let more of the signal through
Que fait la réduction numérique du bruit dans un récepteur ?
Elle traite l'audio pour baisser le bruit de fond
Elle coupe le récepteur dès que du bruit apparaît
Elle réduit le bruit rayonné par l'émetteur
Elle élargit le filtre pour passer plus de signal

What is the purpose of a receiver's RF gain control?
To reduce the gain on very strong signals
To match the antenna to the receiver input
To set the transmitter's output power on SSB
To switch the receiver to the other sideband
À quoi sert la commande de gain HF d'un récepteur ?
À baisser le gain sur les signaux forts
À adapter l'antenne à l'entrée du récepteur
À régler la puissance de sortie de l'émetteur en BLU
À faire passer le récepteur sur l'autre bande latérale

Why do many transceivers have two VFOs, A and B?
To work split and change frequency quickly
To double the output power with two oscillators
To let two operators talk on one frequency at once
To keep one VFO as a spare if the other fails
Pourquoi de nombreux émetteurs-récepteurs ont-ils deux VFO, A et B ?
Pour le trafic en split et les changements rapides de fréquence
Pour doubler la puissance de sortie à l'aide de deux oscillateurs
Pour que deux opérateurs parlent à la fois sur une fréquence
Pour garder un VFO de secours si l'autre tombe en panne

A station just beside yours causes interference, so you use the IF shift (passband tuning) control. What does it do?
It moves the filter passband away from the interference
It moves the transmitter to the other sideband
It retunes the local oscillator of the transmitter
It lowers the IF gain until the interference fades
Une station toute proche de la vôtre vous brouille ; vous utilisez le décalage FI (IF shift). Que fait cette commande ?
Elle écarte la bande passante du filtre du brouillage
Elle fait passer l'émetteur sur l'autre bande latérale
Elle réaccorde l'oscillateur local de l'émetteur
Elle baisse le gain FI jusqu'à ce que le brouillage s'efface

A CW operator uses full break-in (QSK). What does this allow?
Hearing the band between your own dots and dashes
Breaking into a net without waiting for a pause
Sending with two keys connected at the same time
Transmitting and receiving on two different bands
Un télégraphiste utilise le « full break-in » (QSK). Que permet-il ?
D'entendre la bande entre vos propres points et traits
D'intervenir dans un réseau sans attendre une pause
De manipuler avec deux manipulateurs branchés à la fois
D'émettre et de recevoir sur deux bandes différentes

Why can an SDR receiver show a whole band at once on its waterfall display?
It digitises a wide slice of spectrum at once
It sweeps a narrow filter across the band very fast
It scans its memories and plots each one in turn
It uses a separate receiver for every channel
Pourquoi un récepteur SDR peut-il montrer toute une bande à la fois sur son affichage en cascade ?
Il numérise d'un coup une large tranche de spectre
Il balaie très vite la bande avec un filtre étroit
Il parcourt ses mémoires et trace chacune à son tour
Il emploie un récepteur distinct pour chaque canal

An amateur adds a transverter to an HF transceiver. What does a transverter do?
It shifts signals from one band to another
It converts AC mains to DC for the transceiver
It changes SSB signals to FM for repeater use
It switches one radio between two antennas
Un radioamateur ajoute un transverter à son émetteur-récepteur HF. Que fait un transverter ?
Il transpose les signaux d'une bande à une autre
Il convertit le secteur en continu pour l'appareil
Il transforme la BLU en FM pour le trafic par relais
Il commute un seul poste entre deux antennes

Why should the transmitter's output power setting be checked before connecting a linear amplifier?
Excess drive can damage it and widen the signal
The amplifier needs the full output of the transceiver
Low drive would overheat the amplifier's valves
The amplifier sets the transceiver's power by itself
Pourquoi vérifier le réglage de puissance de l'émetteur avant de brancher un amplificateur linéaire ?
Trop d'excitation peut l'abîmer et élargir le signal
L'amplificateur exige toute la puissance de l'émetteur
Une excitation faible ferait chauffer les tubes
L'amplificateur règle de lui-même la puissance de l'émetteur
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10]
