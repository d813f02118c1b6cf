"""Advanced topic 5: transmitters and modulation."""

from advanced_calc import calc, parse, si, num, unit_fmt, plain_fmt


def _pct(v, lang):
    return ("%s%%" if lang == "en" else "%s %%") % num(v, lang, 3)


def am_sb(pc, m):
    c = pc * m * m / 4
    return calc(
        "A %s carrier is modulated %d%% by a sine wave. What is the power in each sideband?" % (si(pc, "W", "en"), round(m * 100)),
        "Une porteuse de %s est modul\u00e9e \u00e0 %d %% par une sinuso\u00efde. Quelle est la puissance de chaque bande lat\u00e9rale ?" % (si(pc, "W", "fr"), round(m * 100)),
        [c, c * 2, pc * m / 2, pc * m * m], unit_fmt("W"))


def am_total(pc, m):
    c = pc * (1 + m * m / 2)
    return calc(
        "What is the total power of a %s carrier amplitude modulated to %d%% by a single tone?" % (si(pc, "W", "en"), round(m * 100)),
        "Quelle est la puissance totale d'une porteuse de %s modul\u00e9e en amplitude \u00e0 %d %% par une seule tonalit\u00e9 ?" % (si(pc, "W", "fr"), round(m * 100)),
        [c, pc * (1 + m * m), pc * (1 + m / 2), pc], unit_fmt("W"))


def am_index(vmax, vmin):
    c = (vmax - vmin) / (vmax + vmin) * 100
    return calc(
        "An AM envelope measures %s divisions peak to peak at its crests and %s at its troughs. What is the modulation depth?" % (num(vmax, "en"), num(vmin, "en")),
        "Une enveloppe AM mesure %s divisions cr\u00eate \u00e0 cr\u00eate \u00e0 ses maxima et %s \u00e0 ses minima. Quel est le taux de modulation ?" % (num(vmax, "fr"), num(vmin, "fr")),
        [c, (vmax - vmin) / vmax * 100, vmin / vmax * 100, vmin / (vmax + vmin) * 100], _pct)


def fm_index(dev, fm):
    c = dev / fm
    return calc(
        "An FM transmitter has a deviation of %s with a %s tone. What is the modulation index?" % (si(dev, "Hz", "en"), si(fm, "Hz", "en")),
        "Un \u00e9metteur FM a une excursion de %s pour une tonalit\u00e9 de %s. Quel est l'indice de modulation ?" % (si(dev, "Hz", "fr"), si(fm, "Hz", "fr")),
        [c, fm / dev, c * 2, c + 1], plain_fmt(""))


def carson(dev, fm):
    c = 2 * (dev + fm)
    return calc(
        "By Carson's rule, what bandwidth does FM with %s deviation and %s maximum audio occupy?" % (si(dev, "Hz", "en"), si(fm, "Hz", "en")),
        "D'apr\u00e8s la r\u00e8gle de Carson, quelle largeur de bande occupe une FM d'excursion %s et de fr\u00e9quence audio maximale %s ?" % (si(dev, "Hz", "fr"), si(fm, "Hz", "fr")),
        [c, 2 * dev, dev + fm, 2 * fm], unit_fmt("Hz"))


def fm_mult(f, dev, n, name_en, name_fr):
    c = dev * n
    return calc(
        "An FM transmitter's %s oscillator has %s deviation and is followed by %s. What is the output deviation?" % (si(f, "Hz", "en"), si(dev, "Hz", "en"), name_en),
        "L'oscillateur de %s d'un \u00e9metteur FM a une excursion de %s et est suivi %s. Quelle est l'excursion en sortie ?" % (si(f, "Hz", "fr"), si(dev, "Hz", "fr"), name_fr),
        [c, dev, dev / n, dev * n * n], unit_fmt("Hz"))


def pa_eff(v, i, pout):
    c = pout / (v * i) * 100
    return calc(
        "A power amplifier draws %s at %s and delivers %s of RF. What is its efficiency?" % (si(i, "A", "en"), si(v, "V", "en"), si(pout, "W", "en")),
        "Un amplificateur de puissance absorbe %s sous %s et fournit %s de HF. Quel est son rendement ?" % (si(i, "A", "fr"), si(v, "V", "fr"), si(pout, "W", "fr")),
        [c, 100 - c, c / 2, c * 2 if c * 2 < 100 else (c + 100) / 2], _pct)


def pa_diss(v, i, pout):
    c = v * i - pout
    return calc(
        "An amplifier runs from %s, draws %s and delivers %s. How much power does it dissipate as heat?" % (si(v, "V", "en"), si(i, "A", "en"), si(pout, "W", "en")),
        "Un amplificateur fonctionne sous %s, absorbe %s et fournit %s. Quelle puissance dissipe-t-il en chaleur ?" % (si(v, "V", "fr"), si(i, "A", "fr"), si(pout, "W", "fr")),
        [c, v * i + pout, v * i, pout], unit_fmt("W"))


def harmonic(f, n):
    c = f * n
    ord_en = {2: "second", 3: "third", 4: "fourth", 5: "fifth"}[n]
    ord_fr = {2: "deuxi\u00e8me", 3: "troisi\u00e8me", 4: "quatri\u00e8me", 5: "cinqui\u00e8me"}[n]
    return calc(
        "A transmitter operates on %s. On what frequency does its %s harmonic fall?" % (si(f, "Hz", "en"), ord_en),
        "Un \u00e9metteur fonctionne sur %s. Sur quelle fr\u00e9quence tombe son %s harmonique ?" % (si(f, "Hz", "fr"), ord_fr),
        [c, f * (n + 1), f * (n - 1) if n > 2 else f * 1.5, f / n], unit_fmt("Hz", 4))


S_AM = parse("""
Which components make up an AM signal modulated by a single audio tone?
The carrier and two sidebands offset by the audio frequency
The carrier alone, whose frequency varies with the audio
Two sidebands with the carrier fully suppressed
One sideband and a reduced carrier
Quelles composantes forment un signal AM modulé par une seule tonalité audio ?
La porteuse et deux bandes latérales décalées de la fréquence audio
La porteuse seule, dont la fréquence varie avec l'audio
Deux bandes latérales sans aucune porteuse
Une bande latérale et une porteuse réduite

What happens when an AM transmitter is modulated beyond 100 percent?
The carrier is cut off on the troughs, causing splatter
The output power rises without any side effect
The sidebands move closer to the carrier
The transmitter automatically switches to FM
Que se passe-t-il lorsqu'un émetteur AM est modulé au-delà de 100 pour cent ?
La porteuse est coupée dans les creux, d'où des éclaboussures
La puissance de sortie augmente sans aucun effet secondaire
Les bandes latérales se rapprochent de la porteuse
L'émetteur passe automatiquement en FM

At 100 percent sine-wave modulation, what share of the total AM output power is in the carrier?
Two thirds
One half
One third
All of it
Avec une modulation sinusoïdale à 100 pour cent, quelle part de la puissance AM totale se trouve dans la porteuse ?
Les deux tiers
La moitié
Le tiers
La totalité

Why must an AM signal generated at a low power level be raised to full power by a linear amplifier?
A non-linear stage would distort the modulation envelope
A linear amplifier doubles the modulation depth at each stage
Class C stages cannot amplify a carrier
A linear amplifier removes the carrier
Pourquoi un signal AM produit à bas niveau doit-il être porté à pleine puissance par un amplificateur linéaire ?
Un étage non linéaire déformerait l'enveloppe de modulation
Un amplificateur linéaire double le taux de modulation à chaque étage
Les étages en classe C ne peuvent pas amplifier une porteuse
Un amplificateur linéaire supprime la porteuse

Why is SSB more efficient than AM for voice communication?
All the power goes into one sideband, with no carrier and half the bandwidth
SSB uses a higher frequency than AM
SSB needs no power amplifier
SSB transmits the carrier at double power, so the signal carries much further
Pourquoi la BLU est-elle plus efficace que l'AM pour les communications en phonie ?
Toute la puissance va dans une bande latérale, sans porteuse et sur moitié moins de bande
La BLU utilise une fréquence plus élevée que l'AM
La BLU n'a pas besoin d'amplificateur de puissance
La BLU émet la porteuse à puissance double, si bien que le signal porte bien plus loin

What bandwidth does a double-sideband AM signal occupy?
Twice the highest modulating frequency
Equal to the highest modulating frequency
Half the highest modulating frequency
Equal to the carrier frequency
Quelle largeur de bande occupe un signal AM à double bande latérale ?
Le double de la plus haute fréquence de modulation
La plus haute fréquence de modulation
La moitié de la plus haute fréquence de modulation
La fréquence porteuse
""") + [
    am_sb(100.0, 0.8), am_sb(50.0, 0.6),
    am_total(100.0, 0.7),
    am_index(6.0, 2.0), am_index(5.0, 3.0),
]

S_SSB = parse("""
How is an SSB signal produced by the filter method?
A balanced modulator gives DSB, and a crystal filter removes one sideband
A class C amplifier is driven hard until one sideband disappears
An FM signal is passed through a low-pass filter
The carrier is keyed on and off at the audio rate
Comment un signal BLU est-il produit par la méthode du filtre ?
Un modulateur équilibré donne une double bande, et un filtre à quartz en élimine une
Un amplificateur en classe C est fortement saturé jusqu'à la disparition d'une bande latérale
Un signal FM traverse un filtre passe-bas
La porteuse est manipulée au rythme de l'audio

How does the phasing method of SSB generation suppress the unwanted sideband?
Two balanced modulators with 90-degree phase shifts cancel one sideband
A notch filter is tuned to the unwanted sideband
The carrier frequency is doubled and then halved
The audio is passed through a limiter that removes the lower or upper sideband
Comment la méthode par déphasage supprime-t-elle la bande latérale indésirable ?
Deux modulateurs équilibrés avec déphasages de 90 degrés annulent une bande latérale
Un filtre réjecteur est accordé sur la bande latérale indésirable
La fréquence porteuse est doublée puis divisée par deux
L'audio traverse un écrêteur qui supprime la bande latérale inférieure ou supérieure

What is the likely result of a poorly balanced modulator in an SSB transmitter?
Carrier leaks into the transmitted signal
The transmitted signal becomes FM instead of SSB
Both sidebands are completely suppressed
The transmitter produces no output at all
Quel est le résultat probable d'un modulateur mal équilibré dans un émetteur BLU ?
De la porteuse passe dans le signal émis
Le signal émis devient de la FM au lieu de la BLU
Les deux bandes latérales sont entièrement supprimées
L'émetteur ne produit aucune sortie

How can one filter be used to select either upper or lower sideband?
By moving the carrier oscillator to the other side of the filter
By reversing the audio leads to the microphone
By switching the filter's input and output
By changing the supply voltage of the balanced modulator stage
Comment peut-on choisir la bande latérale supérieure ou inférieure avec un seul filtre ?
En plaçant l'oscillateur de porteuse de l'autre côté du filtre
En inversant les fils audio du micro
En permutant l'entrée et la sortie du filtre
En changeant la tension d'alimentation de l'étage modulateur équilibré

What is a typical bandwidth of an SSB voice signal?
About 2.4 to 3 kHz
About 500 Hz
About 6 to 10 kHz
About 15 kHz
Quelle est la largeur de bande typique d'un signal BLU en phonie ?
Environ 2,4 à 3 kHz
Environ 500 Hz
Environ 6 à 10 kHz
Environ 15 kHz

Why must SSB signals be amplified by linear stages?
The envelope carries the speech, so non-linearity distorts it
SSB signals have a constant amplitude that class C stages cannot handle
Linear stages remove the unwanted sideband
Only linear stages can work at HF
Pourquoi les signaux BLU doivent-ils être amplifiés par des étages linéaires ?
L'enveloppe porte la parole, qu'une non-linéarité déformerait
Les signaux BLU ont une amplitude constante que les étages en classe C ne peuvent traiter
Les étages linéaires suppriment la bande latérale indésirable
Seuls les étages linéaires fonctionnent en HF

How does an SSB signal sound when the receiver is tuned a few hundred hertz off frequency?
Shifted in pitch and unnatural, but still readable
It is completely silent
Normal in pitch, but weaker by several S-units
It turns into a steady tone at the offset frequency
Comment sonne un signal BLU lorsque le récepteur est décalé de quelques centaines de hertz ?
Décalé en hauteur et peu naturel, mais encore lisible
Il est complètement silencieux
De hauteur normale, mais plus faible de plusieurs unités S
Il se transforme en tonalité continue à la fréquence de décalage

Which sideband is used by convention for SSB voice on the HF bands below 10 MHz?
Lower sideband
Upper sideband
Both sidebands
Independent sidebands
Quelle bande latérale utilise-t-on par convention en BLU phonie sur les bandes décamétriques inférieures à 10 MHz ?
La bande latérale inférieure
La bande latérale supérieure
Les deux bandes latérales
Des bandes latérales indépendantes

When a single audio tone is applied to an ideal SSB transmitter, what is transmitted?
One RF signal offset from the suppressed carrier by the tone frequency
The suppressed carrier and two sidebands
Nothing, since SSB needs speech
A signal swept to and fro across the whole filter passband
Lorsqu'on applique une seule tonalité audio à un émetteur BLU idéal, qu'est-il émis ?
Un seul signal HF décalé de la porteuse supprimée de la fréquence du son
La porteuse supprimée et deux bandes latérales
Rien, car la BLU nécessite de la parole
Un signal balayant en va-et-vient toute la bande passante du filtre

What is meant by opposite sideband suppression in an SSB transmitter's data sheet?
How far the unwanted sideband is below the wanted one, in dB
The attenuation of the carrier in watts
The bandwidth of the audio stages
The suppression of the harmonics of the carrier, in watts
Que désigne la réjection de la bande latérale opposée dans les caractéristiques d'un émetteur BLU ?
L'écart en dB entre la bande latérale indésirable et la bande utile
L'atténuation de la porteuse en watts
La largeur de bande des étages audio
La suppression des harmoniques de la porteuse, en watts

What does no output from an SSB transmitter when the microphone is silent indicate?
Normal operation, since the carrier is suppressed
A faulty final amplifier
An open-circuit antenna
A failed carrier oscillator in every case
Qu'indique l'absence de sortie d'un émetteur BLU lorsque le micro est silencieux ?
Un fonctionnement normal, puisque la porteuse est supprimée
Un amplificateur final défectueux
Une antenne en circuit ouvert
Une panne de l'oscillateur de porteuse dans tous les cas
""")

S_FM = parse("""
In frequency modulation, what sets the deviation and what sets the rate at which the frequency swings?
The amplitude of the audio sets the deviation; its frequency sets the rate
The audio frequency sets the deviation; its amplitude sets the rate
Both are set by the carrier power
Both are set by the microphone impedance
En modulation de fréquence, qu'est-ce qui fixe l'excursion et qu'est-ce qui fixe la cadence de variation de la fréquence ?
L'amplitude de l'audio fixe l'excursion ; sa fréquence fixe la cadence
La fréquence audio fixe l'excursion ; son amplitude fixe la cadence
Les deux sont fixées par la puissance porteuse
Les deux sont fixées par l'impédance du micro

How does phase modulation differ from frequency modulation for a given audio amplitude?
Its deviation also rises with the audio frequency
The carrier amplitude varies with the audio
The deviation falls as the audio frequency rises, halving per octave
There is no deviation at all
En quoi la modulation de phase diffère-t-elle de la modulation de fréquence pour une amplitude audio donnée ?
Son excursion augmente aussi avec la fréquence audio
L'amplitude de la porteuse varie avec l'audio
L'excursion diminue quand la fréquence audio monte, de moitié par octave
Il n'y a aucune excursion

What is the purpose of pre-emphasis in an FM transmitter and de-emphasis in the receiver?
To boost high audio before transmission and cut it after, reducing noise
To increase the deviation at low audio frequencies and reduce hum
To remove the carrier from the signal
To compensate for feed line loss
Quel est le rôle de la préaccentuation dans un émetteur FM et de la désaccentuation dans le récepteur ?
Relever les aigus à l'émission et les abaisser à la réception, réduisant le bruit
Augmenter l'excursion aux basses fréquences audio et réduire le ronflement
Supprimer la porteuse du signal
Compenser les pertes de la ligne d'alimentation

What is the capture effect in FM reception?
The receiver locks onto the stronger of two co-channel signals
Two signals on the same frequency are heard equally
A weak signal is amplified until it exceeds the strong one
The squelch captures noise and opens
Qu'est-ce que l'effet de capture en réception FM ?
Le récepteur s'accroche au plus fort de deux signaux sur le même canal
Deux signaux sur la même fréquence sont entendus de façon égale
Un signal faible est amplifié jusqu'à dépasser le signal fort
Le silencieux capte le bruit et s'ouvre

What is the effect of over-deviation in an FM transmitter?
The signal becomes wider than the channel and disturbs adjacent channels
The carrier frequency is doubled
The output power falls to zero
The signal becomes amplitude modulated only, with no frequency swing at all
Quel est l'effet d'une excursion excessive dans un émetteur FM ?
Le signal déborde du canal et brouille les canaux adjacents
La fréquence porteuse est doublée
La puissance de sortie tombe à zéro
Le signal devient seulement modulé en amplitude, sans aucune variation de fréquence

A home-built 2 m FM transmitter uses an 8.1 MHz crystal oscillator followed by multipliers with a total factor of 18. On the air the signal is reported as far too narrow and quiet, and a deviation meter shows 1.5 kHz at the output instead of the intended 4.5 kHz. What should be done?
Triple the deviation applied at the oscillator, to about 250 Hz
Multiply the deviation at the oscillator by 18, to about 27 kHz
Add a fourth multiplier so that the deviation rises to 4.5 kHz
Raise the output power until the deviation reaches 4.5 kHz
Un émetteur FM 2 m de construction amateur utilise un oscillateur à quartz de 8,1 MHz suivi de multiplicateurs de facteur total 18. Le signal est jugé bien trop étroit et faible, et un excursiomètre indique 1,5 kHz en sortie au lieu des 4,5 kHz prévus. Que faut-il faire ?
Tripler l'excursion appliquée à l'oscillateur, soit environ 250 Hz
Multiplier par 18 l'excursion à l'oscillateur, soit environ 27 kHz
Ajouter un quatrième multiplicateur pour porter l'excursion à 4,5 kHz
Augmenter la puissance de sortie jusqu'à atteindre 4,5 kHz d'excursion
""") + [
    fm_index(5e3, 2.5e3), fm_index(3e3, 1e3),
    carson(5e3, 3e3), carson(2.5e3, 3e3),
    fm_mult(12e6, 500.0, 12, "a multiplier chain with a total factor of 12", "d'une cha\u00eene de multiplication de facteur total 12"),
]

S_ARCH = parse("""
Why do multiband SSB transmitters use mixing rather than frequency multiplication to reach the output frequency?
Mixing shifts SSB intact; multiplying would destroy it
Multipliers cannot produce frequencies above 1 MHz
Mixers need no oscillator
Mixing gives more output power than multiplication
Pourquoi les émetteurs BLU multibandes utilisent-ils le mélange plutôt que la multiplication de fréquence pour atteindre la fréquence de sortie ?
Le mélange déplace la BLU intacte ; la multiplication la détruirait
Les multiplicateurs ne peuvent pas produire de fréquences supérieures à 1 MHz
Les mélangeurs n'ont pas besoin d'oscillateur
Le mélange donne plus de puissance de sortie que la multiplication

What are parasitic oscillations in a power amplifier, and how are they cured?
Unwanted oscillations, often at VHF, due to stray L and C
Harmonics of the operating frequency, cured only by an antenna tuner
Normal audio-frequency components of the signal
Oscillations of the crystal at its overtone, cured by a larger heat sink
Que sont les oscillations parasites dans un amplificateur de puissance, et comment les supprime-t-on ?
Des oscillations indésirables, souvent en VHF, dues aux L et C parasites
Des harmoniques de la fréquence de travail, supprimés seulement par une boîte d'accord
Des composantes audio normales du signal
Des oscillations du quartz sur un partiel, supprimées par un dissipateur plus grand

What is the purpose of neutralisation in an RF amplifier?
To cancel internal feedback that could make the stage oscillate
To set the DC bias of the stage to zero
To remove harmonics from the output
To reduce the drive needed to reach full output power on every band
Quel est le but du neutrodynage dans un amplificateur HF ?
Annuler la réaction interne qui pourrait faire osciller l'étage
Ramener la polarisation continue de l'étage à zéro
Supprimer les harmoniques de la sortie
Réduire l'excitation nécessaire pour atteindre la pleine puissance sur toutes les bandes

What is chirp on a CW signal and what usually causes it?
A frequency shift as each element starts, from oscillator pulling
Clicks heard either side of the signal, caused by too fast keying
A hum on the signal, caused by poor smoothing
A gradual drift over an hour, caused by the room warming up
Qu'est-ce que le « chirp » sur un signal de télégraphie et quelle en est la cause habituelle ?
Un glissement de fréquence au début de chaque élément, dû à l'entraînement de l'oscillateur
Des claquements entendus de part et d'autre du signal, dus à une manipulation trop brutale
Un ronflement sur le signal, dû à un mauvais filtrage
Une lente dérive pendant une heure, due au réchauffement de la pièce

What is a transverter?
A unit that converts a transceiver to and from another band
A transformer that changes the mains voltage for a transmitter
A device that switches the antenna between transmitter and receiver
A converter from AM to FM
Qu'est-ce qu'un transverter ?
Un appareil qui transpose un émetteur-récepteur vers une autre bande et en retour
Un transformateur qui modifie la tension secteur d'un émetteur
Un dispositif qui commute l'antenne entre émetteur et récepteur
Un convertisseur d'AM en FM

Why does phase noise on a transmitter's oscillator matter to other stations?
It spreads noise that nearby stations hear on adjacent frequencies
It reduces the transmitter's output power by half on every band
It makes the signal impossible to receive on SSB
It adds harmonics only at twice the frequency
Pourquoi le bruit de phase de l'oscillateur d'un émetteur importe-t-il aux autres stations ?
Il étale du bruit que les stations proches entendent sur les fréquences voisines
Il réduit de moitié la puissance de sortie de l'émetteur sur toutes les bandes
Il rend le signal impossible à recevoir en BLU
Il n'ajoute des harmoniques qu'à la fréquence double

What is the role of the driver stage in a transmitter?
To raise the signal to the level the final amplifier needs
To generate the carrier frequency
To match the antenna to the feed line
To filter the harmonics of the final amplifier before the antenna
Quel est le rôle de l'étage d'attaque (driver) dans un émetteur ?
Porter le signal au niveau requis par l'amplificateur final
Produire la fréquence porteuse
Adapter l'antenne à la ligne d'alimentation
Filtrer les harmoniques de l'amplificateur final avant l'antenne

Why is an overtone crystal often used in the oscillator of a VHF transmitter?
It oscillates on an odd multiple of its fundamental, with crystal stability
It oscillates at exactly half its marked frequency, which makes the filtering easier
It needs no feedback to start
It can be tuned over a whole band
Pourquoi utilise-t-on souvent un quartz partiel dans l'oscillateur d'un émetteur VHF ?
Il oscille sur un multiple impair de sa fondamentale, avec la stabilité du quartz
Il oscille exactement à la moitié de sa fréquence marquée, ce qui facilite le filtrage
Il n'a besoin d'aucune réaction pour démarrer
Il peut être accordé sur toute une bande

What may happen if the input and output circuits of an RF amplifier are coupled by poor layout or screening?
The amplifier may self-oscillate
The gain will be exactly zero
The amplifier will become more linear
The output frequency will halve
Que peut-il se passer si les circuits d'entrée et de sortie d'un amplificateur HF sont couplés par un mauvais câblage ou blindage ?
L'amplificateur peut entrer en auto-oscillation
Le gain sera exactement nul
L'amplificateur deviendra plus linéaire
La fréquence de sortie sera divisée par deux

What is the function of the transmit/receive switching of a transceiver's antenna relay?
It connects the antenna to the transmitter only while transmitting
It changes the operating band
It selects the sideband
It switches the power supply from mains to battery during transmission
Quelle est la fonction de la commutation émission-réception du relais d'antenne d'un émetteur-récepteur ?
Relier l'antenne à l'émetteur seulement pendant l'émission
Changer de bande de travail
Choisir la bande latérale
Faire passer l'alimentation du secteur à la batterie pendant l'émission

Why should a transmitter's output stage never be operated without a suitable load?
A severe mismatch can damage the output devices
It would radiate on the wrong frequency
It would switch to receive
Its oscillator would stop
Pourquoi ne faut-il jamais faire fonctionner l'étage de sortie d'un émetteur sans charge appropriée ?
Une forte désadaptation peut détruire les composants de sortie
Il rayonnerait sur une mauvaise fréquence
Il passerait en réception
Son oscillateur s'arrêterait
""")

S_CLASSES = parse("""
Which amplifier class conducts over the whole input cycle and gives the best linearity but the lowest efficiency?
Class A
Class B
Class C
Class D
Quelle classe d'amplificateur conduit pendant tout le cycle d'entrée et offre la meilleure linéarité mais le plus faible rendement ?
La classe A
La classe B
La classe C
La classe D

Over what part of the input cycle does a class B amplifier device conduct?
About half the cycle
The whole cycle
Much less than half the cycle
Only at the zero crossings
Pendant quelle partie du cycle d'entrée le composant d'un amplificateur en classe B conduit-il ?
Environ une demi-période
La totalité du cycle
Beaucoup moins d'une demi-période
Seulement aux passages à zéro

Why is class AB common in linear amplifiers for SSB?
It gives low distortion with better efficiency than class A
It is the most efficient class of all, even better than class C
It needs no bias at all
It works only with FM signals
Pourquoi la classe AB est-elle courante dans les amplificateurs linéaires pour la BLU ?
Elle donne une faible distorsion avec un meilleur rendement que la classe A
C'est la classe ayant le meilleur rendement, meilleur encore que la classe C
Elle ne nécessite aucune polarisation
Elle ne fonctionne qu'avec des signaux FM

Why is a class C amplifier suitable for CW and FM but not for SSB?
Its non-linearity does not matter for constant-amplitude signals
It conducts for the whole cycle, which suits only constant carriers
It only amplifies audio frequencies
It removes the carrier from the signal
Pourquoi un amplificateur en classe C convient-il à la télégraphie et à la FM mais pas à la BLU ?
Sa non-linéarité est sans importance pour des signaux d'amplitude constante
Il conduit pendant tout le cycle, ce qui ne convient qu'aux porteuses constantes
Il n'amplifie que les fréquences audio
Il supprime la porteuse du signal

What is an advantage of a push-pull RF amplifier?
Even-order harmonics tend to cancel at the output
It needs only one transistor
Odd-order harmonics are doubled and then filtered
It gives a gain of exactly one
Quel est un avantage d'un amplificateur HF push-pull ?
Les harmoniques d'ordre pair tendent à s'annuler à la sortie
Il ne nécessite qu'un seul transistor
Les harmoniques impairs sont doublés puis filtrés
Il a un gain exactement égal à un

What two jobs does a pi-network output circuit do in a transmitter?
It matches the amplifier to the line and attenuates harmonics
It rectifies the RF and regulates the supply
It generates the carrier and sets the deviation of FM signals
It switches between transmit and receive
Quelles sont les deux fonctions d'un circuit de sortie en pi dans un émetteur ?
Il adapte l'amplificateur à la ligne et atténue les harmoniques
Il redresse la HF et régule l'alimentation
Il produit la porteuse et fixe l'excursion des signaux FM
Il commute entre émission et réception

How do switching amplifiers such as class D and E achieve very high efficiency?
The device is fully on or fully off, so it dissipates little
They use the antenna as a heat sink
They amplify only the sidebands
They recover the power reflected from the antenna and reuse it
Comment les amplificateurs à commutation, tels que les classes D et E, obtiennent-ils un rendement très élevé ?
Le composant est soit saturé, soit bloqué, et dissipe donc peu
Ils utilisent l'antenne comme dissipateur
Ils n'amplifient que les bandes latérales
Ils récupèrent la puissance réfléchie par l'antenne et la réutilisent

An operator compares two 100 W amplifiers for long FM contacts: one runs in class AB at 50% efficiency, the other in class C at 75% efficiency. About how much heat must each one get rid of at full output?
About 100 W in class AB and about 33 W in class C
About 50 W in class AB and about 25 W in class C
About 200 W in class AB and about 133 W in class C
About 100 W in both classes, since the output is the same
Un opérateur compare deux amplificateurs de 100 W pour de longues liaisons en FM : l'un fonctionne en classe AB avec un rendement de 50 %, l'autre en classe C avec un rendement de 75 %. Quelle chaleur chacun doit-il évacuer à pleine puissance ?
Environ 100 W en classe AB et environ 33 W en classe C
Environ 50 W en classe AB et environ 25 W en classe C
Environ 200 W en classe AB et environ 133 W en classe C
Environ 100 W dans les deux classes, puisque la sortie est la même
""") + [
    pa_eff(13.8, 18.0, 100.0), pa_eff(50.0, 25.0, 800.0),
    pa_diss(13.8, 20.0, 100.0),
]

S_SPURIOUS = parse("""
What is a harmonic of a transmitted signal?
A signal at a whole multiple of the operating frequency
A signal at half the operating frequency
Any signal within the necessary bandwidth
The audio tone used to modulate the carrier, once rectified
Qu'est-ce qu'un harmonique d'un signal émis ?
Un signal à un multiple entier de la fréquence de travail
Un signal à la moitié de la fréquence de travail
Tout signal situé dans la largeur de bande nécessaire
La tonalité audio servant à moduler la porteuse, une fois redressée

What is meant by spurious emissions?
Emissions outside the necessary bandwidth, such as harmonics
The normal sidebands produced by the modulation itself
The carrier of an AM signal
Signals received from distant stations
Que désigne-t-on par émissions non essentielles ?
Les émissions hors de la largeur de bande nécessaire, comme les harmoniques
Les bandes latérales normales produites par la modulation elle-même
La porteuse d'un signal AM
Les signaux reçus de stations éloignées

What often causes splatter from an SSB transmitter with a linear amplifier?
Overdriving the amplifier, which flattens the peaks
Using too little microphone gain with the processor switched off
A too-low SWR on the feed line
Operating on the lower sideband
Quelle est la cause fréquente des éclaboussures d'un émetteur BLU équipé d'un amplificateur linéaire ?
Une surexcitation de l'amplificateur, qui écrase les crêtes
Un gain micro trop faible avec le processeur coupé
Un ROS trop bas sur la ligne
L'emploi de la bande latérale inférieure

A neighbour's television is disturbed only when you transmit, even though your signal is clean. What is the most likely cause?
Overload of the set's own circuits by your strong signal
Harmonics from your transmitter, since a clean signal is impossible
A fault in the television's mains fuse
Your antenna radiating on the television channel by itself
La télévision d'un voisin est perturbée seulement quand vous émettez, bien que votre signal soit propre. Quelle est la cause la plus probable ?
La saturation des circuits du téléviseur par votre signal fort
Les harmoniques de votre émetteur, puisqu'un signal propre est impossible
Un défaut du fusible secteur du téléviseur
Votre antenne rayonnant d'elle-même sur le canal de télévision

What can a common-mode choke on the cables of a neighbour's equipment achieve?
It blocks RF currents on the outside of the cables
It filters the mains frequency from the cables
It cures harmonics generated inside the transmitter
It increases the signal level reaching the equipment
Qu'apporte une self de mode commun placée sur les câbles d'un équipement du voisinage ?
Elle bloque les courants HF sur l'extérieur des câbles
Elle élimine la fréquence du secteur des câbles
Elle supprime les harmoniques produits dans l'émetteur
Elle augmente le niveau du signal qui atteint l'équipement

What is the rusty bolt effect?
Corroded joints near a transmitter rectify and re-radiate mixing products
Rust on an antenna increases its gain
Corroded connectors reduce the SWR
Rust on the mast absorbs lightning strikes and so protects the station and its antennas
Qu'est-ce que l'effet « boulon rouillé » ?
Des jonctions corrodées près d'un émetteur redressent et rayonnent des produits de mélange
La rouille sur une antenne augmente son gain
Les connecteurs corrodés réduisent le ROS
La rouille du mât absorbe la foudre et protège ainsi la station et ses antennes

How is the suppression of a transmitter's harmonics usually expressed?
In decibels below the carrier or PEP (dBc)
In watts per hertz
As a percentage of the SWR
In volts per metre, measured at the antenna
Comment exprime-t-on habituellement la réjection des harmoniques d'un émetteur ?
En décibels sous la porteuse ou la PEP (dBc)
En watts par hertz
En pourcentage du ROS
En volts par mètre, mesurés à l'antenne

Why must the screening of a transmitter be continuous, with good contact at every panel joint?
Gaps and poor joints let RF leak out and radiate
The screening also carries the DC supply current to each stage
Good joints raise the output power
Screening is only needed for receivers
Pourquoi le blindage d'un émetteur doit-il être continu, avec un bon contact à chaque jonction de panneau ?
Les fentes et mauvais contacts laissent fuir et rayonner la HF
Le blindage transporte aussi le courant d'alimentation vers chaque étage
De bons contacts augmentent la puissance de sortie
Le blindage n'est nécessaire que pour les récepteurs
""") + [
    harmonic(7.1e6, 3), harmonic(14.25e6, 2),
    harmonic(3.55e6, 4),
]

S_KEYING = parse("""
What causes key clicks on a CW signal, and how are they cured?
Too fast keying edges; a shaping network slows them
Too slow a keying speed; sending faster makes them disappear
A low SWR; adding a mismatch cures them
Too little drive; more drive cures them
Quelle est la cause des claquements de manipulation sur un signal de télégraphie, et comment les supprime-t-on ?
Des fronts trop raides ; un circuit de mise en forme les adoucit
Une vitesse de manipulation trop lente ; manipuler plus vite les fait disparaître
Un ROS trop bas ; ajouter une désadaptation les supprime
Une excitation trop faible ; l'augmenter les supprime

What is the purpose of automatic level control (ALC) in an SSB transmitter?
To limit the drive so that the amplifiers are not overdriven
To keep the SWR at 1:1
To select the sideband automatically from the speech spectrum
To hold the frequency steady
Quel est le rôle de la commande automatique de niveau (ALC) dans un émetteur BLU ?
Limiter l'excitation pour que les amplificateurs ne soient pas surexcités
Maintenir le ROS à 1:1
Choisir automatiquement la bande latérale d'après le spectre de la parole
Stabiliser la fréquence

What does a speech processor do, and what is the risk of using too much?
It raises the average power; too much adds distortion and noise
It increases the peak envelope power above the rating; too much stops transmission
It narrows the bandwidth to 500 Hz; too much makes the voice inaudible
It removes the carrier; too much restores it
Que fait un processeur de parole, et quel est le risque d'en abuser ?
Il élève la puissance moyenne ; en excès, il ajoute distorsion et bruit
Il élève la puissance en crête au-delà de la valeur nominale ; en excès, il arrête l'émission
Il réduit la bande passante à 500 Hz ; en excès, la voix devient inaudible
Il supprime la porteuse ; en excès, il la rétablit

How is frequency-shift keying (FSK) used for radioteletype?
The carrier shifts between mark and space frequencies
The carrier is switched on and off at the data rate
The audio tone is varied in amplitude
Two carriers are sent at the same time on every bit
Comment la manipulation par déplacement de fréquence (FSK) sert-elle au radiotélétype ?
La porteuse passe d'une fréquence travail à une fréquence repos
La porteuse est enclenchée et coupée au rythme des données
L'amplitude de la tonalité audio varie
Deux porteuses sont émises simultanément pour chaque bit

Why should the audio of a digital mode fed to an SSB transmitter stay below strong ALC action?
Overdriving makes the amplifier non-linear and widens the signal
ALC shifts the transmitted frequency
ALC switches the transmitter to FM
Strong ALC action moves the signal over to the other sideband
Pourquoi l'audio d'un mode numérique appliqué à un émetteur BLU doit-il rester sous une forte action de l'ALC ?
La surexcitation rend l'amplificateur non linéaire et élargit le signal
L'ALC décale la fréquence émise
L'ALC fait passer l'émetteur en FM
Une forte action de l'ALC fait passer le signal sur l'autre bande latérale

Why should power often be reduced for continuous modes such as FM, RTTY or data?
Their full duty cycle heats the amplifier and supply far more than speech
They need less power to be received
The SWR rises with continuous modes and slowly damages the feed line and connectors
They produce no sidebands
Pourquoi faut-il souvent réduire la puissance pour les modes continus comme la FM, le RTTY ou les données ?
Leur émission continue échauffe l'amplificateur et l'alimentation bien plus que la parole
Ils nécessitent moins de puissance pour être reçus
Le ROS augmente avec les modes continus et abîme peu à peu la ligne et les connecteurs
Ils ne produisent pas de bandes latérales

Why does a narrow phase-shift keyed mode such as PSK31 need a linear transmitter?
Its amplitude varies, and non-linearity would widen the signal
It uses a constant-amplitude carrier that class C would distort
It is transmitted on two sidebands with a strong carrier
It needs at least 1 kW to be received
Pourquoi un mode étroit à déplacement de phase comme le PSK31 a-t-il besoin d'un émetteur linéaire ?
Son amplitude varie, et une non-linéarité élargirait le signal
Il utilise une porteuse d'amplitude constante que la classe C déformerait
Il est émis sur deux bandes latérales avec une forte porteuse
Il nécessite au moins 1 kW pour être reçu

How does the bandwidth of a data signal relate to its symbol rate?
A higher symbol rate needs a wider bandwidth
The bandwidth is independent of the symbol rate
A higher symbol rate needs a narrower bandwidth
Only the transmitter power sets the bandwidth
Quel rapport y a-t-il entre la largeur de bande d'un signal de données et sa rapidité de modulation ?
Une rapidité plus élevée demande une largeur de bande plus grande
La largeur de bande ne dépend pas de la rapidité de modulation
Une rapidité plus élevée demande une largeur de bande plus étroite
Seule la puissance de l'émetteur fixe la largeur de bande

What does the anti-VOX control of a transceiver do?
It stops loudspeaker sound from triggering the VOX
It disables the microphone when the transmitter is keyed
It mutes the receiver during CW reception
It prevents the transmitter from being keyed by RF feedback
Que fait la commande anti-VOX d'un émetteur-récepteur ?
Elle empêche le son du haut-parleur de déclencher le VOX
Elle coupe le micro lorsque l'émetteur est en émission
Elle rend le récepteur muet pendant la réception en télégraphie
Elle empêche l'émetteur d'être déclenché par une réaction HF

What is full break-in (QSK) operation in CW?
The receiver is heard between keyed elements, so others can interrupt
The transmitter stays on for the whole over
The key is replaced by a computer keyboard
Both stations transmit at the same time on different bands, then swap
Qu'est-ce que le fonctionnement en break-in intégral (QSK) en télégraphie ?
Le récepteur est entendu entre les éléments, si bien qu'on peut interrompre
L'émetteur reste en émission pendant toute la transmission
Le manipulateur est remplacé par un clavier d'ordinateur
Les deux stations émettent en même temps sur des bandes différentes, puis échangent

Why is the keying speed of a CW signal related to the bandwidth it occupies?
Faster keying with faster edges produces wider sidebands
Faster keying lowers the carrier frequency
Keying speed only affects the audio tone at the receiver
Slower keying needs a wider filter at the transmitter
Pourquoi la vitesse de manipulation d'un signal de télégraphie est-elle liée à la largeur de bande qu'il occupe ?
Une manipulation plus rapide, aux fronts plus raides, produit des bandes latérales plus larges
Une manipulation plus rapide abaisse la fréquence porteuse
La vitesse de manipulation n'agit que sur la tonalité audio à la réception
Une manipulation plus lente exige un filtre plus large à l'émetteur
""")

TOPIC = {
    "en": "Transmitters and modulation",
    "fr": "Émetteurs et modulation",
    "sections": [S_AM, S_SSB, S_FM, S_ARCH, S_CLASSES, S_SPURIOUS, S_KEYING],
}
