"""Basic topic 6: transmitters, receivers and modulation."""

from basic_util import parse
import basic_calc as c

TITLE = ("Transmitters, receivers and modulation", "\u00c9metteurs, r\u00e9cepteurs et modulation")

S01 = parse("""
What is modulation?
Varying the amplitude, frequency or phase of a carrier to carry information
Removing unwanted signals from a receiver by filtering its intermediate frequency
Amplifying a signal to a higher power
Converting the antenna impedance to 50 ohms
Qu'est-ce que la modulation ?
La variation de l'amplitude, de la fréquence ou de la phase d'une porteuse pour transporter une information
L'élimination des signaux indésirables d'un récepteur par le filtrage de sa fréquence intermédiaire
L'amplification d'un signal à une puissance plus élevée
La transformation de l'impédance d'antenne en 50 ohms

In an amplitude-modulated (AM) transmitter, which property of the carrier is changed by the audio signal?
The amplitude of the carrier
The frequency of the carrier
The phase of the carrier only
The polarisation of the antenna
Dans un émetteur à modulation d'amplitude (AM), quelle caractéristique de la porteuse le signal audio fait-il varier ?
L'amplitude de la porteuse
La fréquence de la porteuse
La phase de la porteuse seulement
La polarisation de l'antenne

You look at an AM broadcast signal on a spectrum display. What does it consist of?
A carrier with an upper and a lower sideband
A single sideband without any carrier
A carrier alone, whose height varies with the audio
Two carriers 6 kHz apart, and no sidebands
Vous observez un signal de radiodiffusion AM sur un analyseur de spectre. De quoi se compose-t-il ?
D'une porteuse et de deux bandes latérales
D'une seule bande latérale sans aucune porteuse
D'une porteuse seule, dont la hauteur varie avec l'audio
De deux porteuses écartées de 6 kHz, sans bandes latérales

What bandwidth does a double-sideband AM signal occupy when it is modulated with speech containing frequencies up to 3 kHz?
About 6 kHz
About 3 kHz, the highest audio frequency
About 300 Hz
About 25 kHz
Quelle largeur de bande occupe un signal AM à deux bandes latérales modulé par une parole contenant des fréquences jusqu'à 3 kHz ?
Environ 6 kHz
Environ 3 kHz, la plus haute fréquence audio
Environ 300 Hz
Environ 25 kHz

What is overmodulation of an AM transmitter, and why is it harmful?
Modulating beyond 100 %, which distorts and widens the signal
Modulating at less than 10 %, which makes the signal too weak to read
Modulating with music instead of speech
Using two microphones at the same time
Qu'est-ce que la surmodulation d'un émetteur AM, et pourquoi est-elle nuisible ?
Moduler au-delà de 100 %, ce qui déforme et élargit le signal
Moduler à moins de 10 %, ce qui rend le signal trop faible pour être lu
Moduler avec de la musique au lieu de la parole
Utiliser deux microphones à la fois

In an AM signal, where is most of the transmitted power found?
In the carrier, which carries no information itself
In the upper sideband only
In the lower sideband only
Equally in the carrier and in each sideband, whatever the modulation
Dans un signal AM, où se trouve la plus grande partie de la puissance émise ?
Dans la porteuse, qui ne transporte elle-même aucune information
Dans la seule bande latérale supérieure
Dans la seule bande latérale inférieure
À parts égales dans la porteuse et chaque bande latérale, quelle que soit la modulation

What is demodulation?
Recovering the information from a modulated signal
Adding a carrier to a signal
Increasing the frequency of a signal
Filtering the harmonics from a transmitter's output before the antenna
Qu'est-ce que la démodulation ?
La récupération de l'information d'un signal modulé
L'ajout d'une porteuse à un signal
L'augmentation de la fréquence d'un signal
Le filtrage des harmoniques en sortie d'émetteur avant l'antenne

A beginner builds a simple AM receiver. Which simple circuit can demodulate the AM signal?
A diode detector followed by a filter
A frequency multiplier
A class C amplifier
A balanced mixer with no oscillator
Un débutant construit un récepteur AM simple. Quel circuit simple peut démoduler le signal AM ?
Un détecteur à diode suivi d'un filtre
Un multiplicateur de fréquence
Un amplificateur en classe C
Un mélangeur équilibré sans oscillateur

Why is AM still used by some amateurs even though it needs more power and bandwidth than SSB?
It is simple, and many enjoy restoring older equipment
It gives the longest range of any mode
It is required on every band above 10 MHz by the international rules
It cannot be received by other stations
Pourquoi l'AM est-elle encore utilisée par certains radioamateurs, bien qu'elle exige plus de puissance et de bande que la BLU ?
Elle est simple, et beaucoup aiment restaurer le matériel ancien
Elle offre la plus grande portée de tous les modes
Elle est obligatoire sur toutes les bandes au-dessus de 10 MHz selon les règles internationales
Les autres stations ne peuvent pas la recevoir

A carrier of 7.100 MHz is amplitude-modulated by a 1 kHz tone. Which frequencies does the signal contain?
7.099, 7.100 and 7.101 MHz
7.100 MHz only
7.101 and 7.102 MHz
7.090 and 7.110 MHz
Une porteuse de 7,100 MHz est modulée en amplitude par un son de 1 kHz. Quelles fréquences le signal contient-il ?
7,099, 7,100 et 7,101 MHz
7,100 MHz seulement
7,101 et 7,102 MHz
7,090 et 7,110 MHz
""")

S02 = parse("""
What is single-sideband (SSB) modulation?
AM with the carrier and one sideband removed
FM with a narrow deviation, so that only one sideband remains
AM with two carriers
Morse sent by keying a sideband on and off
Qu'est-ce que la modulation à bande latérale unique (BLU) ?
Une AM privée de sa porteuse et d'une bande latérale
Une FM à faible excursion, pour qu'il ne reste qu'une bande latérale
Une AM à deux porteuses
Du Morse émis en manipulant une bande latérale

Why is SSB more efficient than AM for voice?
All the power goes into one information-bearing sideband, in half the bandwidth
SSB uses a higher frequency
SSB has a stronger carrier, which carries more of the information
SSB needs no receiver
Pourquoi la BLU est-elle plus efficace que l'AM pour la phonie ?
Toute la puissance va dans une bande latérale utile, sur la moitié de la largeur
La BLU utilise une fréquence plus haute
La BLU a une porteuse plus forte, qui transporte plus d'information
La BLU n'a pas besoin de récepteur

What is the typical bandwidth occupied by a well-adjusted single-sideband voice signal?
About 2.4 to 3 kHz
About 6 kHz
About 15 kHz
About 100 Hz
Quelle est la largeur de bande typique occupée par un signal de phonie en bande latérale unique bien réglé ?
Environ 2,4 à 3 kHz
Environ 6 kHz
Environ 15 kHz
Environ 100 Hz

An SSB station pauses between words. What is heard from its transmitter while the operator is silent?
Nothing, because there is no carrier
A steady carrier
A continuous tone
A rushing noise at full power
Une station BLU fait une pause entre deux mots. Qu'entend-on de son émetteur pendant que l'opérateur se tait ?
Rien, puisqu'il n'y a pas de porteuse
Une porteuse continue
Une tonalité continue
Un souffle à pleine puissance

What does the receiver need in order to demodulate an SSB signal?
A local carrier (BFO) mixed in a product detector
A simple diode detector, as for an AM broadcast signal
A discriminator, as for FM
An antenna with circular polarisation
De quoi le récepteur a-t-il besoin pour démoduler un signal BLU ?
D'une porteuse locale (BFO) mélangée dans un détecteur de produit
D'un simple détecteur à diode, comme pour la radiodiffusion AM
D'un discriminateur, comme en FM
D'une antenne à polarisation circulaire

Why does an SSB voice sound high-pitched or low-pitched when the receiver is slightly mistuned?
All audio frequencies shift by the tuning error
The transmitter changes its power
The sideband is inverted at random whenever the receiver drifts
Mistuning has no effect on SSB
Pourquoi une voix en BLU paraît-elle aiguë ou grave quand le récepteur est légèrement désaccordé ?
Toutes les fréquences audio sont décalées de l'erreur
L'émetteur change de puissance
La bande latérale s'inverse au hasard dès que le récepteur dérive
Le désaccord n'a aucun effet en BLU

Transmitter specifications and licence conditions often quote power for SSB. How is the power of an SSB transmitter usually stated?
As peak envelope power (PEP)
As the carrier power, measured with the microphone silent
As the average power measured with no modulation applied
As the DC input current drawn from the supply, in amperes
Les caractéristiques des émetteurs et les conditions de licence indiquent souvent une puissance en BLU. Comment l'exprime-t-on habituellement ?
En puissance de crête d'enveloppe (PEP)
En puissance de porteuse, mesurée micro silencieux
En puissance moyenne mesurée sans modulation
En courant continu prélevé sur l'alimentation, en ampères

Which filter is commonly used in a transmitter to remove the unwanted sideband?
A crystal filter of about 2.4 kHz bandwidth
A low-pass filter at the output
A high-pass audio filter
A notch filter at the antenna
Quel filtre utilise-t-on couramment dans un émetteur pour éliminer la bande latérale indésirable ?
Un filtre à quartz d'environ 2,4 kHz de largeur
Un filtre passe-bas en sortie
Un filtre audio passe-haut
Un filtre réjecteur à l'antenne

In an SSB transmitter, what does the balanced modulator produce from the audio and the carrier oscillator?
Both sidebands with the carrier suppressed
The carrier alone
One sideband with a full carrier
An FM signal
Dans un émetteur BLU, que produit le modulateur équilibré à partir de l'audio et de l'oscillateur de porteuse ?
Les deux bandes latérales, la porteuse étant supprimée
La porteuse seule
Une bande latérale avec porteuse complète
Un signal FM

Why should the microphone gain of an SSB transmitter not be set too high?
It overdrives the stages, causing distortion and splatter
It lowers the output power
It shifts the transmitter to the other sideband, confusing the listener
It reduces the bandwidth too much
Pourquoi ne faut-il pas régler trop haut le gain micro d'un émetteur BLU ?
Cela surcharge les étages, avec distorsion et débordements
Cela baisse la puissance de sortie
Cela fait passer l'émetteur sur l'autre bande latérale et trouble l'écoute
Cela réduit trop la largeur de bande
""")

S03 = parse("""
In frequency modulation (FM), what does the audio signal change?
The instantaneous frequency of the carrier
The amplitude of the carrier
The number of sidebands only
The supply voltage of the transmitter
En modulation de fréquence (FM), que fait varier le signal audio ?
La fréquence instantanée de la porteuse
L'amplitude de la porteuse
Seulement le nombre de bandes latérales
La tension d'alimentation de l'émetteur

What is the deviation of an FM signal?
How far the frequency swings from the carrier
The difference between two channels
The error of the transmitter's frequency display, in kilohertz
The distance between the antenna and the repeater
Qu'est-ce que l'excursion d'un signal FM ?
L'écart de fréquence autour de la porteuse
L'écart entre deux canaux
L'erreur de l'affichage de fréquence de l'émetteur, en kilohertz
La distance entre l'antenne et le relais

What is the main advantage of FM over AM for local VHF contacts?
Good rejection of amplitude noise, at a steady level
Much narrower bandwidth than AM for the same speech quality
No need for a receiver
Longer range at HF
Quel est le principal avantage de la FM sur l'AM pour les liaisons VHF locales ?
Une bonne insensibilité au bruit d'amplitude, à niveau constant
Une largeur de bande bien plus étroite que l'AM à qualité égale
Aucun besoin de récepteur
Une plus grande portée en HF

Using Carson's rule, about what bandwidth does a narrow-band FM voice signal with 2.5 kHz deviation and audio up to 3 kHz occupy?
About 11 kHz
About 2.5 kHz
About 500 Hz
About 100 kHz
D'après la règle de Carson, environ quelle largeur de bande occupe un signal FM bande étroite en phonie, avec 2,5 kHz d'excursion et un audio jusqu'à 3 kHz ?
Environ 11 kHz
Environ 2,5 kHz
Environ 500 Hz
Environ 100 kHz

What is the capture effect in FM reception?
The stronger of two co-channel signals takes over
Two signals on the same frequency are heard equally well and mix together
The receiver locks on the weakest signal
The squelch captures the noise
Qu'est-ce que l'effet de capture en réception FM ?
Le plus fort de deux signaux sur un même canal l'emporte
Deux signaux sur la même fréquence s'entendent également et se mélangent
Le récepteur s'accroche au signal le plus faible
Le silencieux capture le bruit

Why do FM transmitters use a limiter or careful level control on the microphone signal?
To keep the deviation within limits, so the signal stays in its channel
To reduce the supply current
To make the signal louder at the receiver's loudspeaker only
To avoid the need for a squelch
Pourquoi les émetteurs FM limitent-ils ou contrôlent-ils soigneusement le niveau du microphone ?
Pour garder l'excursion dans les limites, afin que le signal reste dans son canal
Pour réduire le courant d'alimentation
Pour que le signal sonne plus fort seulement dans le haut-parleur du récepteur
Pour se passer du silencieux

In an FM receiver, which circuit after the IF stages recovers the audio from the signal?
A frequency discriminator or FM detector
A simple envelope detector
A product detector with a BFO
A rectifier bridge
Dans un récepteur FM, quel circuit placé après les étages FI récupère l'audio du signal ?
Un discriminateur de fréquence ou détecteur FM
Un simple détecteur d'enveloppe
Un détecteur de produit avec un BFO
Un pont redresseur

Why can an FM transmitter use a non-linear, efficient power amplifier?
The information is in the frequency; the amplitude is constant
FM signals have no harmonics
FM works only at low power
Non-linear amplifiers raise the deviation to the right value automatically
Pourquoi un émetteur FM peut-il utiliser un amplificateur de puissance non linéaire, à bon rendement ?
L'information est dans la fréquence ; l'amplitude est constante
Les signaux FM n'ont pas d'harmoniques
La FM ne fonctionne qu'à faible puissance
Les amplificateurs non linéaires portent automatiquement l'excursion à la bonne valeur

While monitoring a quiet FM channel, you adjust the squelch control. What is the purpose of the squelch?
To mute the loudspeaker when no signal is present
To increase the sensitivity of the receiver to very weak signals
To narrow the bandwidth
To measure the deviation
En surveillant un canal FM silencieux, vous réglez le silencieux (squelch). À quoi sert-il ?
À couper le haut-parleur sans signal
À augmenter la sensibilité du récepteur aux signaux très faibles
À réduire la largeur de bande
À mesurer l'excursion

What is phase modulation closely related to?
Frequency modulation, as a phase change shifts the frequency
Amplitude modulation with a carrier
Single sideband with a suppressed carrier, used for voice on HF
On-off keying of a carrier
À quoi la modulation de phase est-elle étroitement liée ?
À la modulation de fréquence, un changement de phase décalant la fréquence
À la modulation d'amplitude avec porteuse
À la bande latérale unique à porteuse supprimée, employée en phonie HF
À la manipulation tout ou rien d'une porteuse
""")

S04 = parse("""
How is a CW (Morse) signal produced?
By keying a carrier on and off as dots and dashes
By changing the frequency of a carrier with speech
By suppressing the carrier and one sideband
By modulating the amplitude of a carrier with a 1 kHz tone
Comment produit-on un signal de télégraphie (CW) ?
En manipulant une porteuse en points et traits
En faisant varier la fréquence d'une porteuse avec la parole
En supprimant la porteuse et une bande latérale
En modulant l'amplitude d'une porteuse par un son de 1 kHz

What are key clicks?
Wideband interference from keying a carrier too abruptly
The sound of a mechanical key
A noise in the receiver from a bad cable
The click of a relay in a linear amplifier as it switches over
Que sont les claquements de manipulation ?
Un brouillage large bande dû à une manipulation trop brutale
Le bruit d'un manipulateur mécanique
Un bruit dans le récepteur dû à un câble défectueux
Le claquement d'un relais d'amplificateur linéaire à la commutation

Other stations report key clicks on your CW signal, spreading several kilohertz either side. How are key clicks reduced?
By shaping the rise and fall of each element
By keying faster
By increasing the power so that the clicks are masked by the signal
By using a longer antenna
D'autres stations signalent des claquements de manipulation sur votre signal CW, étalés sur plusieurs kilohertz. Comment les réduit-on ?
En adoucissant la montée et la descente de chaque élément
En manipulant plus vite
En augmentant la puissance pour que le signal masque les claquements
En utilisant une antenne plus longue

Why does a receiver need a beat frequency oscillator (BFO) to receive CW?
Mixed with the carrier, it gives an audible tone
The BFO removes noise from the signal
The BFO increases the transmitter speed
A CW signal contains speech that must be decoded by the BFO
Pourquoi un récepteur a-t-il besoin d'un oscillateur de battement (BFO) pour recevoir la télégraphie ?
Mélangé à la porteuse, il donne une note audible
Le BFO élimine le bruit du signal
Le BFO augmente la vitesse de l'émetteur
Un signal CW contient de la parole que le BFO doit décoder

Why is Morse code good at getting through under poor conditions?
Its narrow bandwidth allows narrow, noise-rejecting filters
Morse signals are always transmitted at higher power than voice
Morse uses a higher frequency than voice
Morse signals are not affected by fading
Pourquoi le Morse passe-t-il bien dans de mauvaises conditions ?
Sa bande étroite permet des filtres étroits qui rejettent le bruit
Les signaux Morse sont toujours émis à plus forte puissance que la phonie
Le Morse utilise une fréquence plus haute que la phonie
Les signaux Morse ne subissent pas d'évanouissement

What is frequency-shift keying (FSK)?
Data sent by shifting the carrier between two frequencies
Keying the transmitter on and off
Changing bands between characters
Sending the same Morse message on two bands at once
Qu'est-ce que la manipulation par déplacement de fréquence (FSK) ?
Des données envoyées en faisant passer la porteuse d'une fréquence à une autre
La mise en marche et à l'arrêt de l'émetteur
Le changement de bande entre les caractères
L'émission du même message Morse sur deux bandes à la fois

Why do data modes often use error detection or correction?
To recover the message despite noise or fading
To hide the meaning of the message from other stations
To increase the transmitter power
To reduce the need to identify the station
Pourquoi les modes de données utilisent-ils souvent la détection ou la correction d'erreurs ?
Pour retrouver le message malgré le bruit ou l'évanouissement
Pour cacher le sens du message aux autres stations
Pour augmenter la puissance de l'émetteur
Pour moins avoir à identifier la station

Digital modes are often described by their baud rate. What is the "baud rate" of a digital signal?
The number of symbols sent per second
The number of stations that can share a packet network
The transmitter power in watts used for the mode
The bandwidth in kilohertz occupied by the signal
Les modes numériques sont souvent décrits par leur rapidité de modulation en bauds. Qu'est-ce que cette rapidité ?
Le nombre de symboles transmis par seconde
Le nombre de stations pouvant partager un réseau packet
La puissance d'émission en watts utilisée pour le mode
La largeur de bande en kilohertz occupée par le signal

Why do faster data rates generally need more bandwidth?
Faster changes in the signal spread it over more frequencies
Fast data uses a higher carrier frequency
Fast data needs more power, and power sets the bandwidth
They do not; bandwidth is independent of speed
Pourquoi des débits plus rapides exigent-ils en général plus de largeur de bande ?
Des variations plus rapides étalent le signal sur plus de fréquences
Les données rapides utilisent une porteuse plus haute
Les données rapides exigent plus de puissance, et la puissance fixe la bande
C'est faux ; la largeur de bande ne dépend pas de la vitesse
""")

S05 = c.image([("14.2", "9"), ("7.05", "10.7"), ("145.5", "10.7")]) + parse("""
What is the main idea of the superheterodyne receiver?
Signals are converted to a fixed IF, which gives most of the gain and selectivity
Every signal is amplified at its own frequency only, by tuned stages
The receiver uses no oscillator at all
The signal is detected directly at the antenna
Quelle est l'idée principale du récepteur superhétérodyne ?
Les signaux sont convertis sur une FI fixe, qui donne l'essentiel du gain et de la sélectivité
Chaque signal est amplifié uniquement sur sa propre fréquence, par des étages accordés
Le récepteur n'utilise aucun oscillateur
Le signal est détecté directement à l'antenne

What does the mixer of a superheterodyne receiver do?
It mixes the signal with the local oscillator to give the IF
It mixes the audio of several stations together for a net
It adds noise to improve the sound
It combines the power supply voltages
Que fait le mélangeur d'un récepteur superhétérodyne ?
Il mélange le signal et l'oscillateur local pour donner la FI
Il mélange l'audio de plusieurs stations pour un réseau
Il ajoute du bruit pour améliorer le son
Il combine les tensions d'alimentation

A mixer in a receiver is fed with the incoming signal f1 and the local oscillator f2. Which frequencies come out of it?
Mainly f1 + f2 and f1 - f2
Only f1, amplified by the gain of the mixer
Only the average of f1 and f2, (f1 + f2) / 2
Only twice f1
Un mélangeur de récepteur reçoit le signal entrant f1 et l'oscillateur local f2. Quelles fréquences en sortent ?
Principalement f1 + f2 et f1 - f2
Seulement f1, amplifiée par le gain du mélangeur
Seulement la moyenne de f1 et f2, (f1 + f2) / 2
Seulement le double de f1

What is the image frequency of a superheterodyne receiver?
An unwanted frequency that also mixes to the IF
The frequency shown on the display
The frequency of the BFO
The second harmonic of the wanted signal, produced in the mixer
Qu'est-ce que la fréquence image d'un récepteur superhétérodyne ?
Une fréquence indésirable qui donne aussi la FI
La fréquence indiquée sur l'afficheur
La fréquence du BFO
L'harmonique 2 du signal voulu, produit dans le mélangeur

In a superheterodyne receiver, which part protects it from signals on the image frequency?
The tuned circuits or filters ahead of the mixer
The audio amplifier and its tone controls
The loudspeaker
The squelch, which mutes the image
Dans un récepteur superhétérodyne, quelle partie le protège des signaux sur la fréquence image ?
Les circuits accordés ou filtres avant le mélangeur
L'amplificateur audio et ses réglages de tonalité
Le haut-parleur
Le silencieux, qui coupe l'image

Why does a high first IF make it easier to reject the image frequency?
The image is further away, where input filters cut more
A high IF makes the signal stronger
A high IF removes the need for any filter
The image disappears completely whenever the IF is above 1 MHz
Pourquoi une première FI élevée facilite-t-elle la réjection de la fréquence image ?
L'image est plus loin, là où les filtres d'entrée coupent davantage
Une FI élevée renforce le signal
Une FI élevée supprime le besoin de tout filtre
L'image disparaît complètement dès que la FI dépasse 1 MHz

In what order do the main stages of a simple superheterodyne receiver stand, from antenna to loudspeaker?
RF amplifier, mixer and oscillator, IF amplifier, detector, audio amplifier
Audio amplifier, detector, mixer and oscillator, IF amplifier, RF amplifier
Detector, RF amplifier, IF amplifier, audio amplifier, mixer and oscillator
Mixer and oscillator, audio amplifier, IF amplifier, detector, antenna tuner
Dans quel ordre se suivent les principaux étages d'un superhétérodyne simple, de l'antenne au haut-parleur ?
Ampli HF, mélangeur et oscillateur, ampli FI, détecteur, ampli audio
Ampli audio, détecteur, mélangeur et oscillateur, ampli FI, ampli HF
Détecteur, ampli HF, ampli FI, ampli audio, mélangeur et oscillateur
Mélangeur et oscillateur, ampli audio, ampli FI, détecteur, boîte d'accord
""")

S06 = c.local_osc([("3.7", "0.455", True), ("14.1", "9", False), ("28.5", "10.7", True)]) + parse("""
What is the sensitivity of a receiver?
Its ability to receive weak signals
Its ability to separate close signals
Its ability to handle strong signals without distortion
The loudness of its audio output
Qu'est-ce que la sensibilité d'un récepteur ?
Son aptitude à recevoir les signaux faibles
Son aptitude à séparer des signaux proches
Son aptitude à supporter de forts signaux sans distorsion
La puissance de sa sortie audio

What is the selectivity of a receiver?
Its ability to separate a signal from nearby ones
Its ability to receive very weak signals
The range of frequencies it can tune, from the lowest to the highest
Its ability to reject power-line hum
Qu'est-ce que la sélectivité d'un récepteur ?
Son aptitude à séparer un signal de ses voisins
Son aptitude à recevoir des signaux très faibles
La gamme de fréquences qu'il couvre, de la plus basse à la plus haute
Son aptitude à rejeter le ronflement du secteur

What does automatic gain control (AGC) do?
It adjusts the gain so strong and weak signals sound alike
It tunes the receiver automatically to the strongest signal in the band
It switches the antenna automatically
It limits the transmitter power
Que fait la commande automatique de gain (CAG) ?
Elle ajuste le gain pour que signaux forts et faibles sonnent pareil
Elle accorde automatiquement le récepteur sur le signal le plus fort de la bande
Elle commute automatiquement l'antenne
Elle limite la puissance de l'émetteur

Why should the IF filter bandwidth suit the mode being received?
Just wide enough passes the signal and rejects most noise
A wider filter always gives better reception, whatever the mode
The filter width changes the transmitted power
The filter bandwidth must always be 15 kHz
Pourquoi la largeur du filtre FI doit-elle convenir au mode reçu ?
Juste assez large, il passe le signal et rejette l'essentiel du bruit
Un filtre plus large donne toujours une meilleure réception, quel que soit le mode
La largeur du filtre change la puissance émise
La largeur du filtre doit toujours être de 15 kHz

You listen for weak Morse signals in a crowded band. Which receiver filter width suits CW reception?
About 250 to 500 Hz
About 6 kHz
About 15 kHz
About 2.4 MHz
Vous écoutez des signaux Morse faibles sur une bande encombrée. Quelle largeur de filtre de réception convient à la télégraphie ?
Environ 250 à 500 Hz
Environ 6 kHz
Environ 15 kHz
Environ 2,4 MHz

What is the purpose of an RF attenuator switch on a receiver?
To reduce very strong signals that overload the front end
To increase sensitivity for weak signals by removing noise
To change the mode
To protect the loudspeaker
À quoi sert le commutateur d'atténuateur HF d'un récepteur ?
À réduire les signaux très forts qui saturent l'entrée
À augmenter la sensibilité aux signaux faibles en ôtant le bruit
À changer de mode
À protéger le haut-parleur

What limits the weakest signal that can be heard on the lower HF bands, in most locations?
Atmospheric and man-made noise picked up by the antenna
The noise generated in the receiver's loudspeaker and audio stages
The size of the receiver's display
The length of the power supply lead
Qu'est-ce qui limite le plus faible signal audible sur les bandes HF basses, dans la plupart des lieux ?
Le bruit atmosphérique et artificiel capté par l'antenne
Le bruit produit par le haut-parleur et les étages audio du récepteur
La taille de l'afficheur du récepteur
La longueur du cordon d'alimentation
""")

S07 = parse("""
In what order do the main stages of a simple CW transmitter stand?
Oscillator, buffer, driver, power amplifier, low-pass filter
Power amplifier, oscillator, low-pass filter, driver, buffer
Low-pass filter, oscillator, driver, buffer, power amplifier
Detector, mixer, audio amplifier
Dans quel ordre se suivent les principaux étages d'un émetteur CW simple ?
Oscillateur, séparateur, attaque, amplificateur de puissance, filtre passe-bas
Amplificateur de puissance, oscillateur, filtre passe-bas, attaque, séparateur
Filtre passe-bas, oscillateur, attaque, séparateur, amplificateur de puissance
Détecteur, mélangeur, amplificateur audio

What is the purpose of a buffer stage after an oscillator?
To isolate the oscillator from load changes
To increase the frequency
To filter harmonics of the oscillator before the power stage
To modulate the signal
À quoi sert un étage séparateur après un oscillateur ?
À isoler l'oscillateur des variations de charge
À augmenter la fréquence
À filtrer les harmoniques de l'oscillateur avant l'étage de puissance
À moduler le signal

Almost every HF transmitter has a low-pass filter between its power amplifier and the antenna socket. Why does the output pass through it?
To attenuate harmonics
To remove the lower sideband of the signal
To block the DC supply from reaching the antenna
To increase the output power by resonance
Presque tout émetteur HF comporte un filtre passe-bas entre l'amplificateur de puissance et la prise d'antenne. Pourquoi la sortie le traverse-t-elle ?
Pour atténuer les harmoniques
Pour supprimer la bande latérale inférieure du signal
Pour empêcher le continu d'alimentation d'atteindre l'antenne
Pour augmenter la puissance de sortie par résonance

What does automatic level control (ALC) do in an SSB transmitter?
It limits drive so the amplifier is not overdriven
It adjusts the receiver's volume on strong signals
It sets the frequency automatically
It matches the antenna
Que fait la commande automatique de niveau (ALC) d'un émetteur BLU ?
Elle limite l'excitation pour ne pas saturer l'amplificateur
Elle règle le volume du récepteur sur les signaux forts
Elle règle automatiquement la fréquence
Elle adapte l'antenne

What does a linear amplifier do when added after a transceiver?
It raises the power while keeping the waveform
It changes the signal to FM for better efficiency
It lowers the frequency
It converts the signal to CW
Que fait un amplificateur linéaire ajouté après un émetteur-récepteur ?
Il augmente la puissance en gardant la forme d'onde
Il transforme le signal en FM pour un meilleur rendement
Il abaisse la fréquence
Il convertit le signal en CW

How is an SSB signal usually produced at the operating frequency in a modern transceiver?
Generated at a fixed frequency, then mixed to the operating one
Produced directly by the microphone on the operating frequency
It is produced by multiplying an FM signal
It is generated by a diode detector
Comment un signal BLU est-il généralement produit sur la fréquence de travail dans un émetteur-récepteur moderne ?
Produit sur une fréquence fixe, puis transposé par mélange
Produit directement par le microphone sur la fréquence de travail
Il est obtenu en multipliant un signal FM
Il est produit par un détecteur à diode

Why must a transceiver switch its antenna quickly and reliably between receive and transmit?
To protect the receiver input from the transmitter power
To save battery power
To prevent frequency drift when the transmitter warms up
To reduce the SWR
Pourquoi un émetteur-récepteur doit-il commuter l'antenne vite et sûrement entre réception et émission ?
Pour protéger l'entrée du récepteur de la puissance d'émission
Pour économiser la batterie
Pour éviter la dérive de fréquence quand l'émetteur chauffe
Pour réduire le ROS

What is a frequency multiplier?
A stage whose output is a chosen harmonic of its input
An amplifier that increases power tenfold without distortion
A mixer producing the difference frequency
A filter that removes harmonics
Qu'est-ce qu'un multiplicateur de fréquence ?
Un étage dont la sortie est un harmonique choisi de l'entrée
Un amplificateur qui décuple la puissance sans distorsion
Un mélangeur produisant la fréquence différence
Un filtre qui élimine les harmoniques

What is the driver stage of a transmitter?
The stage that drives the final power amplifier
The oscillator that sets the frequency of the whole transmitter
The stage that switches the antenna
The audio amplifier of the receiver
Qu'est-ce que l'étage d'attaque (driver) d'un émetteur ?
L'étage qui excite l'amplificateur final
L'oscillateur qui fixe la fréquence de tout l'émetteur
L'étage qui commute l'antenne
L'amplificateur audio du récepteur

What does a speech processor do in an SSB transmitter?
It raises the average power of speech relative to its peaks
It changes the voice into text
It removes the need for a microphone
It sets the carrier frequency according to the pitch of the voice
Que fait un compresseur de modulation dans un émetteur BLU ?
Il augmente la puissance moyenne de la parole par rapport à ses pointes
Il transforme la voix en texte
Il supprime le besoin d'un microphone
Il fixe la fréquence de la porteuse selon la hauteur de la voix
""")

S08 = c.harmonic([("7.05", 2), ("3.55", 3), ("14.2", 2)]) + parse("""
What are harmonics of a transmitter signal?
Signals at whole multiples of the operating frequency
Signals at half the operating frequency
Sidebands produced by the speech when it is too loud
Noise produced by the power supply
Que sont les harmoniques d'un signal d'émetteur ?
Des signaux sur des multiples entiers de la fréquence de travail
Des signaux à la moitié de la fréquence de travail
Des bandes latérales produites par une parole trop forte
Du bruit produit par l'alimentation

What is splatter on an SSB signal?
Unwanted emissions either side, from overdrive
A clean signal exactly 3 kHz wide
A change of sideband during speech, heard as distortion
Static from thunderstorms
Qu'est-ce que le débordement (splatter) d'un signal BLU ?
Des émissions parasites de part et d'autre, par surexcitation
Un signal propre d'exactement 3 kHz de large
Un changement de bande latérale pendant la parole, perçu comme distorsion
Des parasites d'orage

What is a parasitic oscillation in an amplifier?
An unwanted oscillation on an unrelated frequency
The normal output of an oscillator
A harmonic that is removed by the low-pass filter at the output
The hum from the power supply
Qu'est-ce qu'une oscillation parasite dans un amplificateur ?
Une oscillation indésirable sur une fréquence sans rapport
La sortie normale d'un oscillateur
Un harmonique que le filtre passe-bas de sortie supprime
Le ronflement de l'alimentation

A station hears reports that its SSB signal is very wide and distorted. What is the most likely cause?
Too much microphone gain or drive
An SWR of exactly 1:1
A low-pass filter fitted at the output of the transmitter
Using the correct sideband
Une station reçoit des reports indiquant que son signal BLU est très large et déformé. Quelle en est la cause la plus probable ?
Un gain micro ou une excitation excessifs
Un ROS d'exactement 1:1
Un filtre passe-bas monté en sortie de l'émetteur
L'emploi de la bonne bande latérale

Another station tells you that your CW signal has chirp. What is chirp on a CW signal?
A frequency shift on keying, often from an unstable oscillator
A pleasant musical note, a sign of a clean signal
Clicking heard at the start and the end of each element
The noise of the cooling fan picked up by the microphone
Une autre station vous dit que votre signal CW a du « chirp ». Qu'est-ce que le chirp ?
Un glissement de fréquence à la manipulation, dû à un oscillateur instable
Une note musicale agréable, signe d'un signal propre
Un claquement entendu au début et à la fin de chaque élément
Le bruit du ventilateur capté par le microphone

Why is a well-adjusted transmitter important for the whole amateur community?
A clean signal uses only the spectrum it needs
A clean signal is always louder than a dirty one
Only clean signals can be received at night
It is not important; receiver filters remove everything outside the wanted signal
Pourquoi un émetteur bien réglé est-il important pour toute la communauté radioamateur ?
Un signal propre n'occupe que le spectre nécessaire
Un signal propre est toujours plus fort qu'un signal sale
Seuls les signaux propres sont reçus la nuit
Ce n'est pas important ; les filtres des récepteurs éliminent tout ce qui est hors du signal

How can you check your own transmitted signal for splatter or harmonics?
With a spectrum analyser and attenuator, or a nearby listener
By reading the SWR meter
By listening in your own headphones to the monitor while transmitting
By measuring the supply voltage
Comment vérifier soi-même l'absence de débordements ou d'harmoniques de son signal ?
Avec un analyseur de spectre et un atténuateur, ou un écouteur proche
En lisant le ROS-mètre
En écoutant le retour dans votre casque pendant l'émission
En mesurant la tension d'alimentation
""")

S09 = parse("""
What is a variable frequency oscillator (VFO)?
An oscillator the operator can tune
An oscillator fixed by a crystal, used for beacons
An amplifier with variable gain
A voltage regulator with variable output
Qu'est-ce qu'un oscillateur à fréquence variable (VFO) ?
Un oscillateur que l'opérateur peut accorder
Un oscillateur fixé par un quartz, employé pour les balises
Un amplificateur à gain variable
Un régulateur de tension à sortie variable

Why is a crystal oscillator more stable than a simple LC oscillator?
Quartz has a very high Q and drifts little with temperature
Crystals produce more power, which keeps the frequency steady
Crystal oscillators work only at audio frequencies
LC oscillators have no tuned circuit
Pourquoi un oscillateur à quartz est-il plus stable qu'un simple oscillateur LC ?
Le quartz a un Q très élevé et dérive peu avec la température
Les quartz produisent plus de puissance, ce qui stabilise la fréquence
Les oscillateurs à quartz ne fonctionnent qu'en audio
Les oscillateurs LC n'ont pas de circuit accordé

An older home-built VFO shows frequency drift during the first hour. What is frequency drift?
A slow unwanted change of frequency, often thermal
The normal deviation of an FM signal with speech
The difference in frequency between two bands
The Doppler shift of a satellite as it passes overhead
Un ancien VFO de fabrication personnelle dérive en fréquence pendant la première heure. Qu'est-ce que la dérive de fréquence ?
Un lent changement indésirable de fréquence, souvent thermique
L'excursion normale d'un signal FM avec la parole
L'écart de fréquence entre deux bandes
Le décalage Doppler d'un satellite à son passage

What is a phase-locked loop (PLL) synthesiser?
A tunable oscillator locked to a stable reference
An oscillator without any reference, tuned by a variable capacitor
A filter that removes phase noise only
A type of antenna switch
Qu'est-ce qu'un synthétiseur à boucle à verrouillage de phase (PLL) ?
Un oscillateur accordable asservi à une référence stable
Un oscillateur sans référence, accordé par un condensateur variable
Un filtre qui n'élimine que le bruit de phase
Un type de commutateur d'antenne

What is direct digital synthesis (DDS)?
Making a waveform from numbers fed to a DAC, in fine steps
Generating a signal with a crystal alone
Mixing two analogue oscillators and keeping the difference frequency
Tuning an antenna digitally
Qu'est-ce que la synthèse numérique directe (DDS) ?
Produire une onde à partir de nombres envoyés à un CNA, par pas fins
La production d'un signal avec un quartz seul
Mélanger deux oscillateurs analogiques et garder la fréquence différence
L'accord numérique d'une antenne

What is a software-defined radio (SDR)?
A radio whose filtering and demodulation are done in software
A radio controlled only by a remote computer over the internet
A radio that works without an antenna
A radio defined by its instruction manual
Qu'est-ce qu'une radio logicielle (SDR) ?
Une radio dont le filtrage et la démodulation sont logiciels
Une radio commandée uniquement par un ordinateur distant via internet
Une radio qui fonctionne sans antenne
Une radio définie par son manuel d'utilisation

What is the reference oscillator of a transceiver used for?
It is the stable source from which all frequencies derive
It generates the audio tone heard in the headphones for CW only
It controls the display brightness
It sets the speed of the cooling fan
À quoi sert l'oscillateur de référence d'un émetteur-récepteur ?
C'est la source stable dont dérivent toutes les fréquences
Il produit seulement la note audio entendue au casque en CW
Il règle la luminosité de l'afficheur
Il règle la vitesse du ventilateur

What does a frequency display show on most modern transceivers when on SSB?
The frequency of the suppressed carrier
The centre of the audio band
The highest frequency of the signal
The frequency of the IF
Qu'indique l'affichage de fréquence de la plupart des émetteurs-récepteurs modernes en BLU ?
La fréquence de la porteuse supprimée
Le centre de la bande audio
La fréquence la plus haute du signal
La fréquence de la FI

Why is phase noise in an oscillator a problem?
It spreads noise around the signal, masking weak nearby ones
It changes the mode
It raises the supply current drawn by the oscillator stage
It only affects the display
Pourquoi le bruit de phase d'un oscillateur est-il un problème ?
Il étale du bruit autour du signal et masque les signaux faibles voisins
Il change le mode
Il augmente le courant consommé par l'étage oscillateur
Il n'affecte que l'afficheur

What is a temperature-compensated crystal oscillator (TCXO) used for?
Keeping the reference accurate over temperature
Heating the crystal to a high, fixed temperature
Measuring the temperature of the amplifier
Reducing the transmitter power when it is hot
À quoi sert un oscillateur à quartz compensé en température (TCXO) ?
À garder une référence exacte en température
À chauffer le quartz à une température élevée fixe
À mesurer la température de l'amplificateur
À réduire la puissance de l'émetteur quand il chauffe
""")

S10 = parse("""
What does the RIT (receiver incremental tuning) control do?
It shifts the receive frequency slightly, not the transmit one
It changes the transmit power
It switches between two antennas for the best reception
It turns the noise blanker on
Que fait la commande RIT (accord fin du récepteur) ?
Elle décale un peu la réception, sans toucher à l'émission
Elle change la puissance d'émission
Elle commute entre deux antennes pour la meilleure réception
Elle met en marche le suppresseur de parasites

In a car, ignition noise drowns weak signals, so you switch on the noise blanker. What does a noise blanker do?
It mutes the receiver during short, strong impulses
It removes steady tones and carriers from the audio
It increases the gain for weak signals between the pulses
It filters the supply lead of the transceiver
En voiture, les parasites d'allumage noient les signaux faibles ; vous mettez le suppresseur de parasites. Que fait-il ?
Il rend le récepteur muet pendant les impulsions brèves et fortes
Il supprime les porteuses et notes continues de l'audio
Il augmente le gain pour les signaux faibles entre les impulsions
Il filtre le cordon d'alimentation de l'émetteur-récepteur

What does digital noise reduction in a receiver do?
It processes the audio to lower the background noise
It turns off the receiver whenever noise is present
It reduces the transmitter's noise
It increases the bandwidth of the signal
Que fait la réduction numérique du bruit dans un récepteur ?
Elle traite l'audio pour abaisser le bruit de fond
Elle coupe le récepteur dès que du bruit est présent
Elle réduit le bruit de l'émetteur
Elle augmente la largeur de bande du signal

What is the purpose of a receiver's RF gain control?
To reduce front-end gain on very strong signals
To tune the antenna
To adjust the transmit power
To change the sideband used for receiving
À quoi sert la commande de gain HF d'un récepteur ?
À réduire le gain d'entrée sur les signaux très forts
À accorder l'antenne
À régler la puissance d'émission
À changer la bande latérale de réception

Why do many transceivers have two VFOs, A and B?
For split operation and quick changes of frequency
Because one VFO is used for receive and the other for the power supply
To double the output power
To allow two operators to talk at once
Pourquoi de nombreux émetteurs-récepteurs ont-ils deux VFO, A et B ?
Pour le split et les changements rapides de fréquence
Parce qu'un VFO sert à la réception et l'autre à l'alimentation
Pour doubler la puissance de sortie
Pour que deux opérateurs parlent à la fois

What does the "IF shift" or passband tuning control do?
It moves the filter passband to avoid nearby interference
It changes the transmitter's sideband
It alters the local oscillator of the transmitter only
It adjusts the display backlight
Que fait la commande de décalage FI (IF shift) ou d'accord de bande passante ?
Elle déplace la bande passante du filtre pour éviter un brouillage voisin
Elle change la bande latérale de l'émetteur
Elle modifie seulement l'oscillateur local de l'émetteur
Elle règle le rétroéclairage de l'afficheur

What is full break-in (QSK) in CW operation?
Hearing the band between your own dots and dashes
The station transmits continuously
Two keys are used at once
The receiver is disconnected during the whole contact
Qu'est-ce que le « full break-in » (QSK) en télégraphie ?
Entendre la bande entre vos propres points et traits
La station émet en continu
Deux manipulateurs sont utilisés à la fois
Le récepteur est débranché pendant toute la liaison

What is a spectrum display (panadapter) on a transceiver used for?
Seeing signals across a range of frequencies
Measuring the SWR on several bands at once
Setting the microphone gain
Showing the time in UTC
À quoi sert l'affichage de spectre (panoramique) d'un émetteur-récepteur ?
À voir les signaux sur une plage de fréquences
À mesurer le ROS sur plusieurs bandes à la fois
À régler le gain micro
À afficher l'heure UTC

An amateur adds a transverter to an HF transceiver. What does a transverter do?
It converts signals between bands, e.g. HF to VHF
It converts AC mains to DC for the transceiver
It changes SSB signals to FM for repeater use
It connects two antennas to one radio and switches between them
Un radioamateur ajoute un transverter à son émetteur-récepteur HF. Que fait un transverter ?
Il convertit les signaux d'une bande à l'autre, par exemple HF vers VHF
Il convertit le secteur alternatif en continu pour l'appareil
Il transforme la BLU en FM pour le trafic par relais
Il relie deux antennes à une seule radio et commute de l'une à l'autre

Why should the transmitter's output power setting be checked before connecting a linear amplifier?
Too much drive can damage the amplifier and cause a distorted, wide signal
The amplifier needs at least the full output of the transceiver
The power setting affects only the receiver
The amplifier sets the transceiver's power automatically
Pourquoi vérifier le réglage de puissance de l'émetteur avant de brancher un amplificateur linéaire ?
Une excitation excessive peut endommager l'amplificateur et produire un signal large et déformé
L'amplificateur exige toute la puissance de l'émetteur-récepteur
Le réglage de puissance ne concerne que le récepteur
L'amplificateur règle automatiquement la puissance de l'émetteur-récepteur
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10]
