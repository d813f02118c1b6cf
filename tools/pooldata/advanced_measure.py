"""Advanced topic 3: measurements and test equipment."""

import math

from advanced_calc import calc, parse, si, num, unit_fmt


def _ohm_fmt(v, lang):
    return si(v, "ohms", lang, 3)


def shunt(im, rm, i):
    c = rm * im / (i - im)
    return calc(
        "A %s meter movement of %s must read %s full scale. What shunt is needed?" % (si(im, "A", "en"), si(rm, "ohms", "en"), si(i, "A", "en")),
        "Un galvanom\u00e8tre de %s et de %s doit indiquer %s pleine \u00e9chelle. Quel shunt faut-il ?" % (si(im, "A", "fr"), si(rm, "ohms", "fr"), si(i, "A", "fr")),
        [c, rm * i / im, c * 10, rm - c], _ohm_fmt)


def multiplier(im, rm, v):
    c = v / im - rm
    return calc(
        "A %s meter movement of %s must read %s full scale. What series resistor is needed?" % (si(im, "A", "en"), si(rm, "ohms", "en"), si(v, "V", "en")),
        "Un galvanom\u00e8tre de %s et de %s doit indiquer %s pleine \u00e9chelle. Quelle r\u00e9sistance s\u00e9rie faut-il ?" % (si(im, "A", "fr"), si(rm, "ohms", "fr"), si(v, "V", "fr")),
        [c, v / im + rm, v * im * 1e6, c / 10], _ohm_fmt)


def gate(t):
    c = 1.0 / t
    return calc(
        "A frequency counter counts input cycles during a gate time of %s. What is the resolution of its reading?" % si(t, "s", "en"),
        "Un fr\u00e9quencem\u00e8tre compte les cycles d'entr\u00e9e pendant un temps de porte de %s. Quelle est la r\u00e9solution de sa lecture ?" % si(t, "s", "fr"),
        [c, c * 10, c / 10, c * 1000], unit_fmt("Hz"))


def ppm_err(f, ppm):
    c = f * ppm * 1e-6
    return calc(
        "A counter with a timebase accurate to %s ppm reads %s. Ignoring resolution, how far may the true frequency differ?" % (num(ppm, "en"), si(f, "Hz", "en")),
        "Un fr\u00e9quencem\u00e8tre dont la base de temps est pr\u00e9cise \u00e0 %s ppm indique %s. Hors r\u00e9solution, de combien la fr\u00e9quence vraie peut-elle s'\u00e9carter ?" % (num(ppm, "fr"), si(f, "Hz", "fr")),
        [c, c * 1000, c / 10, c * 10], lambda v, lang: "\u00b1" + si(v, "Hz", lang, 3))


def scope_f(div, tdiv):
    c = 1.0 / (div * tdiv)
    return calc(
        "On an oscilloscope set to %s per division, one complete cycle of a waveform spans %s divisions. What is its frequency?" % (si(tdiv, "s", "en"), num(div, "en")),
        "Sur un oscilloscope r\u00e9gl\u00e9 \u00e0 %s par division, une p\u00e9riode compl\u00e8te d'un signal occupe %s divisions. Quelle est sa fr\u00e9quence ?" % (si(tdiv, "s", "fr"), num(div, "fr")),
        [c, 1.0 / tdiv, c * 10, c / div], unit_fmt("Hz"))


def scope_v(div, vdiv):
    c = div * vdiv / 2
    return calc(
        "With the vertical input set to %s per division, a sine wave measures %s divisions from peak to peak. What is its peak voltage?" % (si(vdiv, "V", "en"), num(div, "en")),
        "L'entr\u00e9e verticale \u00e9tant r\u00e9gl\u00e9e \u00e0 %s par division, une sinuso\u00efde mesure %s divisions de cr\u00eate \u00e0 cr\u00eate. Quelle est sa tension de cr\u00eate ?" % (si(vdiv, "V", "fr"), num(div, "fr")),
        [c, 2 * c, c / math.sqrt(2), c * 2 * math.sqrt(2)], unit_fmt("V"))


def swr_pwr(pf, pr):
    rho = math.sqrt(pr / pf)
    c = (1 + rho) / (1 - rho)
    return calc(
        "A directional wattmeter reads %s forward and %s reflected. What is the SWR on the line?" % (si(pf, "W", "en"), si(pr, "W", "en")),
        "Un wattm\u00e8tre directionnel indique %s en direct et %s en r\u00e9fl\u00e9chi. Quel est le ROS sur la ligne ?" % (si(pf, "W", "fr"), si(pr, "W", "fr")),
        [c, (pf + pr) / (pf - pr), pf / pr, math.sqrt(pf / pr)],
        lambda v, lang: num(v, lang, 2) + ":1")


def net_pwr(pf, pr):
    c = pf - pr
    return calc(
        "At the antenna end of a line, a wattmeter reads %s forward and %s reflected. What power does the antenna accept?" % (si(pf, "W", "en"), si(pr, "W", "en")),
        "C\u00f4t\u00e9 antenne d'une ligne, un wattm\u00e8tre indique %s en direct et %s en r\u00e9fl\u00e9chi. Quelle puissance l'antenne absorbe-t-elle ?" % (si(pf, "W", "fr"), si(pr, "W", "fr")),
        [c, pf + pr, pf, pf / pr], unit_fmt("W"))


def dbm_uv(dbm):
    c = (10 ** (dbm / 10.0) * 1e-3 * 50) ** 0.5
    return calc(
        "A signal generator set to %s dBm feeds a 50-ohm receiver input. What RMS voltage appears at the input?" % num(dbm, "en"),
        "Un g\u00e9n\u00e9rateur r\u00e9gl\u00e9 sur %s dBm attaque une entr\u00e9e de r\u00e9cepteur de 50 ohms. Quelle tension efficace appara\u00eet \u00e0 l'entr\u00e9e ?" % num(dbm, "fr"),
        [c, c * 10, c / 10, c * 2 ** 0.5], unit_fmt("V"))


S_METERS = parse("""
What does the ohms-per-volt figure of an analogue voltmeter tell you?
Its sensitivity: the higher, the less it loads the circuit
The largest voltage it can measure before its movement is damaged
The resistance of its pointer bearing
The accuracy of its scale in percent
Que vous apprend la caractéristique en ohms par volt d'un voltmètre analogique ?
Sa sensibilité : plus elle est haute, moins il charge le circuit
La tension la plus élevée qu'il peut mesurer avant d'endommager son équipage
La résistance du pivot de son aiguille
La précision de son échelle en pour cent

An average-responding AC meter calibrated in RMS is used on a square wave. What should you expect?
An error, because its scale assumes a sine wave
An exact RMS reading, as with any waveform
A reading of zero, because a square wave has no RMS value
A reading equal to the peak-to-peak voltage
Un appareil alternatif à réponse moyenne, étalonné en valeur efficace, est utilisé sur un signal carré. À quoi faut-il s'attendre ?
À une erreur, car son échelle suppose un signal sinusoïdal
À une lecture efficace exacte, comme pour tout signal
À une lecture nulle, car un signal carré n'a pas de valeur efficace
À une lecture égale à la tension crête à crête

How must an ammeter and a voltmeter be connected to measure the current in a load and the voltage across it?
The ammeter in series with the load and the voltmeter in parallel with it
The ammeter in parallel with the load and the voltmeter in series with it
Both in series with the load
Both in parallel with the load
Comment faut-il brancher un ampèremètre et un voltmètre pour mesurer le courant dans une charge et la tension à ses bornes ?
L'ampèremètre en série avec la charge et le voltmètre en parallèle sur elle
L'ampèremètre en parallèle sur la charge et le voltmètre en série avec elle
Les deux en série avec la charge
Les deux en parallèle sur la charge

Why does a thermocouple RF ammeter give a true RMS reading at radio frequencies?
It responds to the heating effect of the current
It contains a rectifier that is calibrated for every waveform
It counts the cycles of the current
It measures the magnetic field around the wire at the peak of each cycle
Pourquoi un ampèremètre HF à thermocouple donne-t-il une lecture efficace vraie aux fréquences radio ?
Il réagit à l'effet thermique du courant
Il contient un redresseur étalonné pour chaque forme de signal
Il compte les cycles du courant
Il mesure le champ magnétique autour du fil à la crête de chaque cycle

What does a simple diode RF probe used with a DC voltmeter actually respond to?
The peak of the RF voltage, usually scaled to RMS for a sine wave
The average power in watts delivered to the load, whatever its impedance
The frequency of the RF signal
The reflected voltage only
À quoi réagit réellement une simple sonde HF à diode utilisée avec un voltmètre continu ?
La crête de la tension HF, l'échelle étant ramenée à l'efficace pour une sinusoïde
À la puissance moyenne en watts fournie à la charge, quelle que soit son impédance
À la fréquence du signal HF
À la seule tension réfléchie

Why must an ohmmeter never be used on a circuit that is powered?
The circuit's own voltage upsets the reading and can damage the meter
The ohmmeter's battery would charge the circuit's capacitors to a dangerous voltage
Resistance is only defined when no current flows in the circuit
The ohmmeter would read the power instead of the resistance
Pourquoi ne faut-il jamais utiliser un ohmmètre sur un circuit sous tension ?
La tension propre du circuit fausse la lecture et peut endommager l'appareil
La pile de l'ohmmètre chargerait les condensateurs du circuit à une tension dangereuse
La résistance n'est définie que lorsqu'aucun courant ne circule dans le circuit
L'ohmmètre indiquerait la puissance au lieu de la résistance
""") + [
    shunt(1e-3, 100.0, 1.0), shunt(50e-6, 2e3, 10e-3),
    multiplier(1e-3, 100.0, 10.0), multiplier(50e-6, 2e3, 1.0),
    shunt(100e-6, 1e3, 100e-3),
]

S_FREQ = parse("""
What mainly sets the accuracy of a frequency counter once enough digits are displayed?
The accuracy and stability of its timebase oscillator
The number of digits on the display
The amplitude of the signal measured at its input
The length of the test lead
Qu'est-ce qui fixe principalement la précision d'un fréquencemètre, une fois affichés suffisamment de chiffres ?
La précision et la stabilité de l'oscillateur de sa base de temps
Le nombre de chiffres de l'affichage
L'amplitude du signal mesuré à son entrée
La longueur du cordon de mesure

What is the purpose of a prescaler at the input of a frequency counter?
To divide the input frequency so higher frequencies can be counted
To amplify weak signals before the gate
To multiply the frequency so that low frequencies are measured faster
To filter out harmonics from the signal
Quel est le rôle d'un prédiviseur à l'entrée d'un fréquencemètre ?
Diviser la fréquence d'entrée pour compter des fréquences plus élevées
Amplifier les signaux faibles avant la porte
Multiplier la fréquence pour mesurer plus vite les basses fréquences
Éliminer les harmoniques du signal

How can the timebase of a frequency counter be calibrated accurately?
Against a standard frequency transmission or GPS reference
Against the frequency shown on the dial of a receiver
By adjusting it until the mains frequency reads 50 Hz exactly
By measuring the counter's own display refresh rate
Comment peut-on étalonner précisément la base de temps d'un fréquencemètre ?
Sur une émission de fréquence étalon ou une référence GPS
Sur la fréquence affichée au cadran d'un récepteur
En la réglant jusqu'à lire exactement 50 Hz sur le secteur
En mesurant la fréquence de rafraîchissement de son propre affichage

What is a dip meter used for?
Finding the resonance of an unpowered tuned circuit or antenna
Measuring the depth of modulation of an AM transmitter
Measuring the DC voltage drop in a feed line
Testing the charge of a battery
À quoi sert un dipmètre ?
À trouver la résonance d'un circuit accordé ou d'une antenne hors tension
À mesurer le taux de modulation d'un émetteur AM
À mesurer la chute de tension continue dans une ligne d'alimentation
À vérifier la charge d'une batterie

A crystal marker generator produces a 100 kHz signal rich in harmonics. What is it used for?
To give reference signals every 100 kHz for dial calibration
To generate the carrier of an AM transmitter on 100 kHz only
To measure the impedance of an antenna
To test the audio stages of a receiver
Un générateur de marqueurs à quartz produit un signal de 100 kHz riche en harmoniques. À quoi sert-il ?
À fournir des repères tous les 100 kHz pour étalonner le cadran
À produire la porteuse d'un émetteur AM sur 100 kHz seulement
À mesurer l'impédance d'une antenne
À tester les étages audio d'un récepteur

How should a transmitter's output be fed to a frequency counter?
Through a suitable attenuator or loosely coupled sampler
Directly from the antenna socket with a short lead
Through the counter's mains lead
Through a length of open-circuited coaxial cable
Comment faut-il appliquer la sortie d'un émetteur à un fréquencemètre ?
Par un atténuateur approprié ou un prélèvement à couplage lâche
Directement depuis la prise d'antenne avec un cordon court
Par le cordon secteur du fréquencemètre
Par un morceau de câble coaxial ouvert à son extrémité
""") + [
    gate(1.0), gate(0.01),
    ppm_err(14.2e6, 10),
    ppm_err(50e6, 1),
    gate(0.1),
]

S_SCOPE = parse("""
What is the purpose of the trigger circuit of an oscilloscope?
To start each sweep at the same point, so the display stands still
To switch off the beam between sweeps
To set the vertical sensitivity
To measure the frequency of the signal automatically and display it
Quel est le rôle du circuit de déclenchement d'un oscilloscope ?
Démarrer chaque balayage au même point, pour que l'image reste fixe
Éteindre le faisceau entre les balayages
Régler la sensibilité verticale
Mesurer automatiquement la fréquence du signal et l'afficher

Why should the bandwidth of an oscilloscope be well above the highest frequency you intend to observe?
Near its limit it understates amplitude and distorts the shape
A wider bandwidth makes the trace brighter
The time base works only below one tenth of the bandwidth
The probe would otherwise overheat
Pourquoi la bande passante d'un oscilloscope doit-elle être bien supérieure à la plus haute fréquence que l'on compte observer ?
Près de sa limite, il sous-estime l'amplitude et déforme le signal
Une bande passante plus large rend la trace plus lumineuse
La base de temps ne fonctionne qu'en dessous du dixième de la bande passante
Sinon la sonde chaufferait

Which instrument is best for checking that a transmitter's harmonics and spurious emissions are low enough?
A spectrum analyser behind a suitable attenuator
A multimeter on its AC range with an RF probe
A standing wave ratio meter
A frequency counter
Quel instrument convient le mieux pour vérifier que les harmoniques et émissions parasites d'un émetteur sont assez faibles ?
Un analyseur de spectre derrière un atténuateur approprié
Un multimètre sur son calibre alternatif avec une sonde HF
Un ROS-mètre
Un fréquencemètre

What happens when the resolution bandwidth of a spectrum analyser is made narrower?
Close signals separate better and noise falls, but sweeps slow down
The analyser covers a wider frequency span in the same time
Signals appear stronger by the ratio of the bandwidths
Harmonics disappear from the display
Que se passe-t-il lorsqu'on réduit la largeur de bande de résolution d'un analyseur de spectre ?
Les signaux proches se séparent mieux et le bruit baisse, mais le balayage ralentit
L'analyseur couvre une plage de fréquences plus large dans le même temps
Les signaux paraissent plus forts dans le rapport des bandes passantes
Les harmoniques disparaissent de l'affichage

Why does a spectrum analyser need an attenuator or sampler when connected to a transmitter?
Its input mixer is easily overloaded or destroyed
It measures only reflected power
The attenuator converts the signal to audio
Without it the analyser would transmit back into the antenna
Pourquoi un analyseur de spectre doit-il être raccordé à un émetteur par un atténuateur ou un coupleur de prélèvement ?
Son mélangeur d'entrée est facilement saturé ou détruit
Il ne mesure que la puissance réfléchie
L'atténuateur convertit le signal en audio
Sans lui, l'analyseur émettrait en retour vers l'antenne

What does a dual-trace oscilloscope allow you to do?
Show two signals on one time base, e.g. to compare phase
Display one signal at twice the sensitivity
Measure the frequency of a signal with twice the accuracy
Show the spectrum and the waveform together
Que permet un oscilloscope à double trace ?
Afficher deux signaux sur une même base de temps, pour comparer leur phase
D'afficher un signal avec une sensibilité double
De mesurer la fréquence d'un signal avec une précision double
D'afficher ensemble le spectre et la forme d'onde
""") + [
    scope_f(4, 5e-6), scope_f(2.5, 0.2e-6),
    scope_v(6, 2.0),
    scope_v(4.4, 0.5),
    scope_f(8, 1e-3),
]

S_POWER = parse("""
How does a directional wattmeter distinguish forward from reflected power?
A directional coupler samples the wave travelling in each direction separately
It measures the current and the voltage and subtracts them
It switches the transmitter off briefly to let the reflection return
It compares the power at the transmitter with the power at the antenna
Comment un wattmètre directionnel distingue-t-il la puissance directe de la puissance réfléchie ?
Un coupleur directionnel prélève séparément l'onde qui se propage dans chaque sens
Il mesure le courant et la tension et les soustrait
Il coupe brièvement l'émetteur pour laisser revenir la réflexion
Il compare la puissance à l'émetteur à la puissance à l'antenne

Why does the SWR measured at the transmitter end of a long, lossy feed line look better than at the antenna?
The reflected wave is weakened by line loss on its way back
Feed line loss adds reactance that cancels the mismatch
The transmitter absorbs the reflected power before it reaches the meter
SWR is always lower at lower power levels
Pourquoi le ROS mesuré côté émetteur d'une ligne longue à pertes paraît-il meilleur qu'à l'antenne ?
L'onde réfléchie est affaiblie par les pertes de la ligne au retour
Les pertes de la ligne ajoutent une réactance qui compense la désadaptation
L'émetteur absorbe la puissance réfléchie avant qu'elle n'atteigne l'appareil
Le ROS est toujours plus faible à faible puissance

A dummy load is rated at 1 kW for 30 seconds. What does this mean in practice?
It takes 1 kW only briefly; continuous use needs much less power
It can absorb 1 kW continuously if the room is cool
It can absorb 30 W continuously and 1 kW only on receive
It must be used for at least 30 seconds at a time
Une charge fictive est prévue pour 1 kW pendant 30 secondes. Qu'est-ce que cela signifie en pratique ?
Elle n'absorbe 1 kW que brièvement ; l'usage continu exige bien moins
Elle peut absorber 1 kW en continu si la pièce est fraîche
Elle peut absorber 30 W en continu et 1 kW seulement en réception
Elle doit être utilisée au moins 30 secondes d'affilée

What does an average-reading wattmeter show on SSB speech, compared with the PEP?
Much less than the PEP, as speech has a low average power
Exactly the PEP
Twice the PEP, because both sidebands are counted by the meter
Zero, because SSB has no carrier
Qu'indique un wattmètre à lecture moyenne sur de la parole en BLU, par rapport à la PEP ?
Beaucoup moins que la PEP, car la parole a une faible puissance moyenne
Exactement la PEP
Le double de la PEP, car l'appareil compte les deux bandes latérales
Zéro, car la BLU n'a pas de porteuse

An SWR meter at the transmitter shows 1:1. What can you conclude?
Only that the load at that point matches 50 ohms
That the antenna is radiating all the power efficiently
That the antenna is resonant on the operating frequency
That the feed line has no loss
Un ROS-mètre placé à l'émetteur indique 1:1. Que pouvez-vous en conclure ?
Seulement que la charge en ce point est adaptée à 50 ohms
Que l'antenne rayonne efficacement toute la puissance
Que l'antenne est résonante sur la fréquence de travail
Que la ligne d'alimentation n'a aucune perte

What is a return loss bridge used for?
Measuring how well a load matches the reference impedance
Measuring the power lost as heat in a mains transformer
Measuring the gain of an antenna
Checking the polarity of a loudspeaker
À quoi sert un pont de mesure d'affaiblissement de réflexion ?
À mesurer l'adaptation d'une charge à l'impédance de référence
À mesurer la puissance perdue en chaleur dans un transformateur secteur
À mesurer le gain d'une antenne
À vérifier la polarité d'un haut-parleur

A wattmeter between transmitter and antenna tuner shows 100 W forward and nothing reflected. A second wattmeter between the tuner and a mismatched antenna shows 130 W forward and 30 W reflected. Ignoring tuner and line losses, how much power does the antenna accept?
100 W
130 W
70 W
160 W
Un wattmètre placé entre l'émetteur et la boîte d'accord indique 100 W en direct et rien en réfléchi. Un second wattmètre, entre la boîte et une antenne désadaptée, indique 130 W en direct et 30 W en réfléchi. Sans tenir compte des pertes de la boîte et de la ligne, quelle puissance l'antenne absorbe-t-elle ?
100 W
130 W
70 W
160 W
""") + [
    swr_pwr(100.0, 11.1), swr_pwr(400.0, 16.0),
    net_pwr(100.0, 4.0),
    swr_pwr(100.0, 25.0),
]

S_TEST = parse("""
What is a two-tone test used for?
Checking the linearity of an SSB transmitter
Checking the audio response of a receiver at two frequencies
Measuring the deviation of an FM transmitter
Aligning the two IF stages of a double-conversion receiver
À quoi sert l'essai à deux tons ?
À vérifier la linéarité d'un émetteur BLU
À vérifier la réponse audio d'un récepteur à deux fréquences
À mesurer l'excursion d'un émetteur FM
À aligner les deux étages FI d'un récepteur à double changement de fréquence

What is an advantage of an antenna analyser for adjusting an antenna?
It measures SWR and impedance with its own tiny signal, without a transmitter
It increases the gain of the antenna while connected
It measures the antenna's radiation pattern from the shack
It works only when the transmitter is keyed at full power into the antenna
Quel est l'avantage d'un analyseur d'antenne pour régler une antenne ?
Il mesure le ROS et l'impédance avec son propre petit signal, sans émetteur
Il augmente le gain de l'antenne tant qu'il est branché
Il mesure le diagramme de rayonnement de l'antenne depuis la station
Il ne fonctionne que lorsque l'émetteur émet à pleine puissance dans l'antenne

How does a noise bridge measure the impedance of an antenna?
A receiver detects the null of a bridge fed with noise
It measures the antenna's DC resistance with a battery
It radiates a strong carrier and measures the echo
It counts the noise pulses picked up by the antenna
Comment un pont de bruit mesure-t-il l'impédance d'une antenne ?
Un récepteur détecte l'équilibre d'un pont alimenté en bruit
Il mesure la résistance continue de l'antenne avec une pile
Il rayonne une forte porteuse et en mesure l'écho
Il compte les impulsions de bruit captées par l'antenne

What can a simple field strength meter be used for?
Comparing the field radiated in different directions
Measuring the exact output power of a transmitter in watts
Measuring the frequency of a distant station
Measuring the SWR on a feed line
À quoi peut servir un simple champmètre ?
À comparer le champ rayonné dans différentes directions
À mesurer la puissance de sortie exacte d'un émetteur en watts
À mesurer la fréquence d'une station éloignée
À mesurer le ROS sur une ligne d'alimentation

What does a vector network analyser measure that a simple SWR meter cannot?
Magnitude and phase of reflection, giving complex impedance
Only the forward power at one frequency, but with greater accuracy
The DC resistance of the feed line
The temperature of the antenna elements
Que mesure un analyseur de réseau vectoriel qu'un simple ROS-mètre ne peut pas mesurer ?
L'amplitude et la phase de la réflexion, d'où l'impédance complexe
Seulement la puissance directe à une fréquence, mais avec plus de précision
La résistance continue de la ligne d'alimentation
La température des éléments de l'antenne

What does a 12 dB SINAD sensitivity figure describe for an FM receiver?
The input level giving 12 dB of SINAD at the audio output
The level at which the squelch opens
The level at which the S-meter reads S9
The input level that gives 12 dB of audio gain above the noise
Que décrit une sensibilité SINAD de 12 dB pour un récepteur FM ?
Le niveau d'entrée donnant un SINAD de 12 dB à la sortie audio
Le niveau auquel le silencieux s'ouvre
Le niveau auquel le S-mètre indique S9
Le niveau d'entrée qui donne 12 dB de gain audio au-dessus du bruit

How is the ripple on a power supply's output best examined with an oscilloscope?
With AC coupling, so the small ripple can be magnified
With the input set to DC coupling at the least sensitive range
With the time base switched off
By connecting the probe to the mains input instead
Comment examine-t-on au mieux l'ondulation de la sortie d'une alimentation à l'oscilloscope ?
En couplage alternatif, pour agrandir la faible ondulation
Avec l'entrée en couplage continu sur le calibre le moins sensible
Avec la base de temps arrêtée
En branchant la sonde sur l'entrée secteur à la place

Why is a calibrated step attenuator useful when comparing signal reports or antennas?
It changes a signal by known decibel steps, so differences are measured
It increases the sensitivity of the receiver by the same number of decibels
It removes all noise from the signal
It converts SWR readings into decibels
Pourquoi un atténuateur à pas étalonnés est-il utile pour comparer des reports ou des antennes ?
Il modifie un signal par pas connus en décibels, pour mesurer les écarts
Il augmente la sensibilité du récepteur du même nombre de décibels
Il supprime tout le bruit du signal
Il convertit les lectures de ROS en décibels
""") + [
    dbm_uv(-73.0),
    dbm_uv(-93.0),
]

TOPIC = {
    "en": "Measurements",
    "fr": "Mesures",
    "sections": [S_METERS, S_FREQ, S_SCOPE, S_POWER, S_TEST],
}
