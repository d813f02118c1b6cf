"""Advanced topic 4: power supplies."""

import math

from advanced_calc import calc, parse, si, num, unit_fmt, ohm_adj

SQ2 = math.sqrt(2.0)
TWO_PI = 2.0 * math.pi


def _ohm_fmt(v, lang):
    return si(v, "ohms", lang, 3)


def trafo_v(vp, np_, ns):
    c = vp * ns / np_
    return calc(
        "A transformer has %d primary and %d secondary turns. What is the no-load secondary voltage for %s RMS in?" % (np_, ns, si(vp, "V", "en")),
        "Un transformateur a %d spires au primaire et %d au secondaire. Quelle tension secondaire \u00e0 vide donne-t-il pour %s efficaces ?" % (np_, ns, si(vp, "V", "fr")),
        # ratio upside down, squared (the impedance rule), peak or RMS
        # mixed up, peak to peak, a decimal point slipped in the ratio
        [c, vp * np_ / ns, vp * (ns / np_) ** 2, c * SQ2, c / SQ2, c * 2 * SQ2, c * 10, vp - c],
        unit_fmt("V"))


def trafo_z(n, zs):
    c = n * n * zs
    return calc(
        "A transformer with a turns ratio of %d:1 (primary to secondary) has a %s load on its secondary. What impedance does the primary present?" % (n, ohm_adj(zs, "en")),
        "Un transformateur de rapport %d:1 (primaire sur secondaire) a une charge de %s au secondaire. Quelle imp\u00e9dance pr\u00e9sente le primaire ?" % (n, si(zs, "ohms", "fr")),
        # the turns ratio taken for the impedance ratio, the square taken the
        # wrong way, a square root for a square, the load left unchanged
        [c, n * zs, zs / (n * n), zs / n, zs * math.sqrt(n), n * n * n * zs, zs, 2 * n * zs],
        _ohm_fmt)


def cap_peak(vrms):
    c = vrms * SQ2
    return calc(
        "A full-wave rectifier and reservoir capacitor are fed with %s RMS. Ignoring diode drops, to what voltage does the capacitor charge at light load?" % si(vrms, "V", "en"),
        "Un redresseur double alternance suivi d'un condensateur r\u00e9servoir re\u00e7oit %s efficaces. Sans les chutes des diodes, \u00e0 quelle tension le condensateur se charge-t-il \u00e0 faible charge ?" % si(vrms, "V", "fr"),
        # the RMS value kept, the choke-input 0.9 rule, peak to peak, RMS
        # divided by root two, two diode drops taken off after all
        [c, vrms, vrms * 0.9, c * 2, vrms / SQ2, c - 1.4, 2 * vrms], unit_fmt("V"))


def piv_bridge(vrms):
    c = vrms * SQ2
    return calc(
        "A bridge rectifier is fed with %s RMS. What peak inverse voltage must each diode withstand?" % si(vrms, "V", "en"),
        "Un pont redresseur re\u00e7oit %s efficaces. Quelle tension inverse de cr\u00eate chaque diode doit-elle supporter ?" % si(vrms, "V", "fr"),
        # the centre-tap answer (twice the peak), the RMS value, RMS doubled,
        # the peak halved as if two diodes shared it, RMS over root two
        [c, c * 2, vrms, 2 * vrms, c / 2, vrms / SQ2, vrms / 2], unit_fmt("V"))


def piv_half(vrms):
    c = 2 * vrms * SQ2
    return calc(
        "A half-wave rectifier with a large reservoir capacitor is fed with %s RMS. What peak inverse voltage does the diode see?" % si(vrms, "V", "en"),
        "Un redresseur simple alternance avec un gros condensateur r\u00e9servoir re\u00e7oit %s efficaces. Quelle tension inverse de cr\u00eate la diode subit-elle ?" % si(vrms, "V", "fr"),
        # the capacitor's charge forgotten (peak only), RMS values, RMS
        # doubled, twice the peak taken as peak to peak and doubled again
        [c, c / 2, vrms, 2 * vrms, c * SQ2, c * 2], unit_fmt("V"))


def ripple(i, f, cap, full):
    fr = 2 * f if full else f
    c = i / (fr * cap)
    kind_en = "full-wave" if full else "half-wave"
    kind_fr = "double alternance" if full else "simple alternance"
    other = i / (f * cap) if full else i / (2 * f * cap)
    return calc(
        "A %s rectifier on %s mains feeds a %s capacitor and a %s load. What is the peak-to-peak ripple?" % (kind_en, si(f, "Hz", "en"), si(cap, "F", "en"), si(i, "A", "en")),
        "Un redresseur %s sur secteur \u00e0 %s alimente un condensateur de %s et une charge de %s. Quelle est l'ondulation cr\u00eate \u00e0 cr\u00eate ?" % (kind_fr, si(f, "Hz", "fr"), si(cap, "F", "fr"), si(i, "A", "fr")),
        # the other kind of rectifier's ripple frequency, I times the
        # capacitor's reactance, an RMS figure for the sawtooth, a decade slip
        [c, other, i / (TWO_PI * fr * cap), c / (2 * math.sqrt(3)), c * 10, c / 10, c * 2 * SQ2],
        unit_fmt("V"))


def zener_r(vin, vz, il, iz):
    c = (vin - vz) / (il + iz)
    return calc(
        "A %s Zener is fed from %s through a resistor. The load takes %s and the Zener %s. What resistor is needed?" % (si(vz, "V", "en"), si(vin, "V", "en"), si(il, "A", "en"), si(iz, "A", "en")),
        "Une Zener de %s est aliment\u00e9e sous %s par une r\u00e9sistance. La charge prend %s et la Zener %s. Quelle r\u00e9sistance faut-il ?" % (si(vz, "V", "fr"), si(vin, "V", "fr"), si(il, "A", "fr"), si(iz, "A", "fr")),
        # the whole input voltage, one of the two currents left out, the
        # Zener voltage for the drop, the currents subtracted
        [c, vin / (il + iz), (vin - vz) / iz, vz / (il + iz), (vin - vz) / il,
         (vin + vz) / (il + iz), vin / il], _ohm_fmt)


def reg_diss(vin, vout, i):
    c = (vin - vout) * i
    return calc(
        "A linear regulator delivers %s at %s with %s at its input. What power does it dissipate?" % (si(i, "A", "en"), si(vout, "V", "en"), si(vin, "V", "en")),
        "Un r\u00e9gulateur lin\u00e9aire fournit %s sous %s \u00e0 partir d'une entr\u00e9e de %s. Quelle puissance dissipe-t-il ?" % (si(i, "A", "fr"), si(vout, "V", "fr"), si(vin, "V", "fr")),
        # input or output power taken for the loss, the drop divided by the
        # current, the voltages added, the drop squared as if over 1 ohm
        [c, vin * i, vout * i, (vin - vout) / i, (vin + vout) * i, (vin - vout) ** 2,
         (vin - vout) * i / 2], unit_fmt("W"))


def smps_in(pout, eff, vin):
    c = pout / (eff * vin)
    return calc(
        "A switching supply of %d%% efficiency delivers %s from a %s DC input. What input current does it draw?" % (round(eff * 100), si(pout, "W", "en"), si(vin, "V", "en")),
        "Une alimentation \u00e0 d\u00e9coupage de rendement %d %% fournit %s \u00e0 partir de %s continus. Quel courant d'entr\u00e9e absorbe-t-elle ?" % (round(eff * 100), si(pout, "W", "fr"), si(vin, "V", "fr")),
        # efficiency forgotten or multiplied in, the losses alone, the
        # reciprocal, a peak factor where the input is DC
        [c, pout / vin, pout * eff / vin, pout * (1 - eff) / vin, c * 2, c * SQ2,
         vin / (pout * eff)], unit_fmt("A"))


def buck(vin, d):
    c = vin * d
    return calc(
        "An ideal buck converter runs from %s with a %d%% duty cycle. What is its output voltage?" % (si(vin, "V", "en"), round(d * 100)),
        "Un convertisseur abaisseur id\u00e9al fonctionne sous %s avec un rapport cyclique de %d %%. Quelle est sa tension de sortie ?" % (si(vin, "V", "fr"), round(d * 100)),
        # the boost and buck-boost rules, the off time for the on time, the
        # duty cycle divided into the input
        [c, vin / d, vin * (1 - d), vin / (1 - d), vin * d / (1 - d), vin * (1 - d) / d,
         vin * d * d], unit_fmt("V"))


def batt_time(ah, i):
    c = ah / i
    f = lambda v, lang: ("%s hours" if lang == "en" else "%s heures") % num(v, lang, 3)
    return calc(
        "Ignoring losses, how long can a %s Ah battery supply a steady %s?" % (num(ah, "en"), si(i, "A", "en")),
        "Pertes n\u00e9glig\u00e9es, combien de temps une batterie de %s Ah peut-elle fournir %s en continu ?" % (num(ah, "fr"), si(i, "A", "fr")),
        # capacity times current, half or double the answer, a decade slip
        [c, ah * i, c / 2, c * 2, c * 10, c / 10], f)


def batt_drop(e, r, i):
    c = e - i * r
    return calc(
        "A battery of %s open-circuit voltage and %s internal resistance supplies %s. What is its terminal voltage?" % (si(e, "V", "en"), si(r, "ohms", "en"), si(i, "A", "en")),
        "Une batterie de %s \u00e0 vide et de %s de r\u00e9sistance interne d\u00e9bite %s. Quelle est sa tension aux bornes ?" % (si(e, "V", "fr"), si(r, "ohms", "fr"), si(i, "A", "fr")),
        # the drop ignored, added, doubled, halved, or with the point of
        # the resistance slipped
        [c, e, e + i * r, e - 2 * i * r, e - i * r / 2, e - 10 * i * r, i * r], unit_fmt("V"))


S_RECTIFIERS = parse("""
A full-wave rectifier on 50 Hz mains shows ripple at 50 Hz instead of 100 Hz. Which fault should be suspected first?
A rectifier diode has gone open circuit, giving half-wave action
The reservoir capacitor has lost much of its capacitance
A load is drawing more current than the rectifier's rating
The bleeder resistor across the output has gone open circuit
Un redresseur double alternance sur secteur à 50 Hz présente une ondulation à 50 Hz au lieu de 100 Hz. Que faut-il soupçonner en premier ?
Une diode coupée ne laisse passer qu'une alternance sur deux
Le condensateur réservoir a perdu sa capacité, d'où plus d'ondulation
La charge consomme plus que ce que permet le redresseur
La résistance de décharge placée en sortie s'est coupée

What is the advantage of a bridge rectifier over a two-diode full-wave rectifier?
It gives full-wave output without a centre-tapped winding
It drops just one diode's voltage on each half-cycle of the mains
It doubles the ripple frequency compared with a two-diode circuit
It lets its four diodes share the load current, a quarter each
Quel est l'avantage d'un pont redresseur sur un redresseur double alternance à deux diodes ?
Il redresse les deux alternances sans avoir besoin de prise médiane
Il ne fait chuter qu'une tension de diode par alternance du secteur
Il double la fréquence d'ondulation par rapport au montage à deux diodes
Il fait partager le courant à ses quatre diodes, un quart chacune

Why are the cores of mains transformers made of thin insulated laminations?
To reduce the eddy-current losses in the core
To reduce the hysteresis losses of the core steel
To reduce the copper losses in the windings
To keep the core from saturating at full load
Pourquoi les noyaux des transformateurs secteur sont-ils faits de minces tôles isolées ?
Pour réduire les pertes par courants de Foucault
Pour réduire les pertes par hystérésis de l'acier
Pour réduire les pertes cuivre des enroulements
Pour éviter la saturation du noyau à pleine charge

What would happen if a mains transformer's primary were connected to a DC supply of the same voltage?
A large current set by the winding resistance would overheat it
The secondary would give DC reduced by the turns ratio
It would work as usual, with its core running a little cooler
Little current would flow, the primary's reactance limiting it
Que se passerait-il si le primaire d'un transformateur secteur était branché sur une tension continue de même valeur ?
Un fort courant, limité par la résistance du bobinage, le ferait chauffer
Une tension continue réduite selon le rapport apparaîtrait au secondaire
Il fonctionnerait comme d'habitude, avec un noyau un peu moins chaud
Très peu de courant circulerait, la réactance du primaire le limitant

How does a voltage doubler rectifier give twice the peak voltage of its winding?
Two capacitors charged on alternate half-cycles add their voltages
Two diodes in series share the reverse voltage and add their outputs
A capacitor in series with the load doubles its current
A second winding in series with the first doubles the AC input
Comment un redresseur doubleur de tension donne-t-il le double de la tension de crête de son enroulement ?
Deux condensateurs chargés sur des alternances opposées ajoutent leurs tensions
Deux diodes en série se partagent la tension inverse et ajoutent leurs sorties
Un condensateur en série avec la charge double son courant
Un second enroulement en série avec le premier double la tension alternative

In a full-wave rectifier using a centre-tapped winding, what peak inverse voltage must each diode withstand?
The peak voltage of the whole winding
The peak voltage of one half of the winding
The RMS voltage of one half of the winding
The RMS voltage of the whole winding
Dans un redresseur double alternance à enroulement à prise médiane, quelle tension inverse de crête chaque diode doit-elle supporter ?
La tension de crête de l'enroulement complet
La tension de crête d'une moitié de l'enroulement
La tension efficace d'un demi-enroulement
La tension efficace de l'enroulement complet
""") + [
    trafo_v(230.0, 1000, 60), trafo_v(120.0, 400, 50),
    trafo_z(4, 50.0),
    piv_bridge(20.0), piv_half(24.0),
]

S_FILTERING = parse("""
How does a capacitor-input filter compare with a choke-input filter fed from the same winding?
Higher voltage, but poorer regulation and high diode current peaks
Lower output voltage, near 0.9 times the RMS input, but better regulation
Lower ripple at heavy load, as the capacitor recharges at each peak
Higher output voltage, with the diodes conducting throughout the cycle
Que donne un filtre à condensateur en tête par rapport à un filtre à self en tête alimenté par le même enroulement ?
Une tension plus haute, une régulation moins bonne, de fortes pointes de courant
Une tension plus faible, près de 0,9 fois l'efficace, mais une meilleure régulation
Une ondulation plus faible à forte charge, le condensateur se rechargeant aux crêtes
Une tension plus élevée, avec des diodes qui conduisent pendant le cycle entier

What happens to the ripple of a capacitor-input supply when the load current increases?
It grows, as the capacitor discharges further between peaks
It falls, because the diodes conduct for a longer time
It stays the same, being set by the mains frequency
It falls, as a larger current charges the capacitor harder
Que devient l'ondulation d'une alimentation à condensateur en tête lorsque le courant de charge augmente ?
Elle augmente, car le condensateur se décharge davantage entre les crêtes
Elle diminue, car les diodes conduisent plus longtemps
Elle ne change pas, puisque c'est la fréquence du secteur qui la fixe
Elle diminue, car un courant plus fort recharge mieux le condensateur

Why is a bleeder resistor fitted across the filter capacitors of a valve amplifier's high-voltage supply?
To discharge them after switch-off and act as a minimum load
To limit the charging current into the capacitors at switch-on
To protect the rectifier diodes against excessive reverse voltage
To raise the output voltage when the supply is lightly loaded
Pourquoi monte-t-on une résistance de décharge aux bornes des condensateurs de filtrage de l'alimentation haute tension d'un amplificateur à tubes ?
Pour les décharger après l'arrêt et donner une charge minimale
Pour limiter le courant de charge des condensateurs à la mise sous tension
Pour protéger les diodes de redressement contre une tension inverse excessive
Pour élever la tension de sortie à faible charge

How is the large inrush current into discharged reservoir capacitors often limited at switch-on?
With an NTC thermistor in series with the supply input
With a Zener diode across the transformer primary
With a larger reservoir capacitor after the rectifier
With rectifier diodes of a higher reverse voltage rating
Comment limite-t-on souvent le fort courant d'appel des condensateurs réservoirs déchargés à la mise sous tension ?
Par une thermistance CTN montée en série avec l'entrée secteur
Par une diode Zener aux bornes du primaire du transformateur
Par un condensateur réservoir plus gros après le redresseur
Par des diodes de tension inverse plus élevée

What effect can excessive ripple on a transmitter's supply have on the transmitted signal?
Hum sidebands at the ripple frequency each side of the carrier
Harmonics of the carrier at multiples of the ripple frequency
A steady shift of the carrier frequency by the ripple frequency
A loss of output power, with the signal otherwise clean
Que peut provoquer sur le signal émis une ondulation excessive de l'alimentation d'un émetteur ?
Des bandes latérales de ronflement autour de la porteuse
Des harmoniques de la porteuse aux multiples de la fréquence d'ondulation
Un décalage fixe de la porteuse égal à la fréquence d'ondulation
Une perte de puissance, le signal restant propre par ailleurs

In an LC smoothing filter, what does the series choke do?
It presents a high reactance to the ripple while passing the DC
It stores charge to raise the output voltage between peaks
It shunts the ripple to ground through its low resistance
It blocks the direct current and passes the ripple to the load
Dans un filtre de lissage LC, quel est le rôle de la self en série ?
Elle freine l'ondulation par sa réactance et laisse passer le continu
Elle stocke des charges pour maintenir la tension entre les crêtes
Elle dérive l'ondulation à la masse par sa faible résistance
Elle bloque le courant continu et transmet l'ondulation à la charge
""") + [
    ripple(1.0, 50.0, 4700e-6, True), ripple(0.5, 60.0, 2200e-6, False),
    cap_peak(12.0), cap_peak(24.0),
    ripple(2.0, 50.0, 10000e-6, True),
]

S_REGULATORS = parse("""
In a series-pass linear regulator, what controls the pass transistor?
An error amplifier comparing the output with a reference
The ripple voltage sensed across the input reservoir capacitor
A clock that switches it fully on and fully off in turn
A current transformer that senses the load current directly
Dans un régulateur linéaire série, qu'est-ce qui commande le transistor ballast ?
Un ampli d'erreur comparant la sortie à une référence
Un détecteur d'ondulation placé sur le condensateur d'entrée
Un signal d'horloge qui le sature puis le bloque tour à tour
Un transformateur de courant qui mesure le courant de la charge

What is the dropout voltage of a three-terminal linear regulator?
The least input-output difference at which it regulates
The input voltage below which its thermal protection trips
The fall in output voltage between no load and full load
The largest input-output difference it will stand undamaged
Qu'est-ce que la tension de déchet d'un régulateur linéaire à trois broches ?
La plus petite différence entrée-sortie à laquelle il régule encore
La tension d'entrée en dessous de laquelle sa protection thermique agit
La baisse de la tension de sortie entre le fonctionnement à vide et en charge
La plus grande différence entrée-sortie qu'il supporte sans dommage

What is meant by the load regulation of a power supply?
How far the supply's output moves from no load to full load
How far the supply's output moves as the mains voltage varies
The largest current the supply delivers while in regulation
The ripple left at full load, given as a percentage of the output
Que désigne la régulation en charge d'une alimentation ?
L'écart de tension de sortie entre la marche à vide et la pleine charge
La variation de la tension de sortie quand la tension du secteur change
Le plus fort courant que l'alimentation délivre en restant régulée
L'ondulation à pleine charge, en pour cent de la tension de sortie

Why do some regulated supplies use remote sensing leads?
To hold the voltage at the load despite the drop in the leads
To sense the load current and trip the supply on an overload
To shut the supply down if the output leads are reversed
To measure the heat-sink temperature of the pass transistors
Pourquoi certaines alimentations régulées utilisent-elles des fils de mesure à distance ?
Pour tenir la tension à la charge malgré la chute dans les câbles
Pour mesurer le courant de charge et couper en cas de surcharge
Pour couper l'alimentation si les câbles de sortie sont inversés
Pour mesurer la température du dissipateur des transistors ballasts

What does foldback current limiting do in a regulated supply?
It cuts the current well below its maximum into a short
It holds the current at its maximum value into a short circuit
It shuts the supply down until the mains is switched off and on
It raises the output voltage slightly as the load current grows
Que fait la limitation de courant à repli (foldback) dans une alimentation régulée ?
Elle ramène le courant bien sous le maximum en cas de court-circuit
Elle maintient le courant à sa valeur maximale en cas de court-circuit
Elle coupe l'alimentation jusqu'à ce qu'on l'éteigne et la rallume
Elle élève un peu la tension de sortie quand le courant de charge croît

A mobile HF transceiver needs 13.8 V at up to 20 A on transmit, but the vehicle has a 24 V electrical system. A friend suggests a simple linear regulator on a large heat sink. How much heat would the regulator have to dissipate at full current, and what is the better choice?
About 200 W; a switching buck converter is the better choice
About 20 W; the linear regulator on its heat sink is the better choice
About 480 W; a series dropping resistor is the better choice
About 276 W; a shunt Zener regulator is the better choice
Un émetteur-récepteur HF mobile a besoin de 13,8 V sous 20 A au plus en émission, mais le véhicule a une installation électrique de 24 V. Un ami propose un simple régulateur linéaire sur un gros dissipateur. Quelle chaleur le régulateur devrait-il dissiper à plein courant, et quel est le meilleur choix ?
Environ 200 W ; un convertisseur abaisseur à découpage est le meilleur choix
Environ 20 W ; le régulateur linéaire sur son dissipateur est le meilleur choix
Environ 480 W ; une résistance chutrice série est le meilleur choix
Environ 276 W ; un régulateur à Zener en parallèle est le meilleur choix
""") + [
    zener_r(15.0, 9.1, 20e-3, 10e-3), zener_r(12.0, 5.1, 50e-3, 10e-3),
    reg_diss(18.0, 13.8, 2.0),
    reg_diss(24.0, 15.0, 3.0),
    zener_r(9.0, 6.2, 30e-3, 5e-3),
]

S_SWITCHING = parse("""
How does a switch-mode power supply regulate its output?
By varying the duty cycle of a fast switch feeding an inductor
By varying the resistance of a transistor in series with the load
By shunting the excess current to ground through a Zener diode
By switching taps on the mains transformer with a relay
Comment une alimentation à découpage régule-t-elle sa sortie ?
En réglant le rapport cyclique d'un interrupteur rapide et d'une self
En variant la résistance d'un transistor en série avec la charge
En dérivant le courant excédentaire à la masse par une Zener
En changeant de prise au transformateur par un relais

What is the main advantage of a switch-mode supply over a linear supply of the same power?
Higher efficiency, with a far smaller and lighter transformer
Lower RF noise, because it lacks a mains-frequency transformer
Simpler circuitry, with fewer parts and easier repair
Faster response to load steps and a lower output ripple
Quel est le principal avantage d'une alimentation à découpage sur une alimentation linéaire de même puissance ?
Un meilleur rendement et un transformateur bien plus petit
Un bruit HF plus faible, faute de transformateur à la fréquence du secteur
Un montage plus simple, avec moins de composants
Un temps de réponse plus court et une ondulation plus faible

Why can a switch-mode supply cause interference to HF reception?
Its fast, steep edges make harmonics reaching far into HF
Its mains-frequency hum is radiated by its long output leads
Its output ripple at twice the mains frequency reaches HF
Its transformer radiates a strong field at the mains frequency
Pourquoi une alimentation à découpage peut-elle perturber la réception en HF ?
Ses fronts raides produisent des harmoniques jusqu'en HF
Son ronflement à la fréquence du secteur est rayonné par ses câbles
Son ondulation au double du secteur atteint la HF
Le transformateur rayonne un fort champ à la fréquence du secteur

Which measures help reduce interference from a switch-mode supply in the shack?
Mains filtering, ferrites on the leads and an earthed metal case
Longer DC leads, so that the switching noise is lost along them
A plastic case, which keeps RF currents off the enclosure
A higher switching frequency, putting the noise above HF
Qu'est-ce qui aide à réduire les perturbations d'une alimentation à découpage dans la station ?
Filtrage secteur, ferrites sur les câbles, boîtier métallique à la terre
Des câbles continus plus longs, où le bruit de découpage se perd
Un boîtier en plastique, qui évite les courants HF sur l'enveloppe
Une fréquence de découpage plus haute, qui repousse le bruit au-delà de la HF

Why does a higher switching frequency allow smaller inductors and transformers in a switch-mode supply?
Each cycle moves less energy, which a smaller core stores
The core losses fall as the switching frequency rises
Skin effect lets thinner wire carry more current at high frequency
A higher frequency raises the permeability of ferrite cores
Pourquoi une fréquence de découpage plus élevée permet-elle des bobines et transformateurs plus petits dans une alimentation à découpage ?
Un cycle transfère moins d'énergie, que stocke un noyau plus petit
Les pertes du noyau diminuent quand la fréquence de découpage augmente
L'effet de peau permet à un fil plus fin de porter plus de courant en HF
Une fréquence plus élevée augmente la perméabilité des noyaux de ferrite

What does a boost converter do?
It gives a DC output voltage higher than its DC input
It gives a DC output voltage lower than its DC input
It gives a DC output of the opposite polarity to its input
It gives an output isolated from its input by a transformer
Que fait un convertisseur élévateur (boost) ?
Il fournit une tension continue supérieure à sa tension d'entrée
Il fournit une tension continue inférieure à sa tension d'entrée
Il fournit une tension continue de polarité opposée à son entrée
Il fournit une sortie isolée de son entrée par un transformateur

A station runs from a battery through an inexpensive modified-sine-wave inverter. Why may this cause trouble?
Its stepped wave is rich in harmonics that cause buzz and RF noise
Its output is DC with ripple, which mains transformers will not take
Its output peak is twice that of the mains, which stresses supplies
Its current draw from the battery is fixed whatever the load
Une station fonctionne sur batterie à travers un onduleur bon marché à « sinus modifié ». Pourquoi cela peut-il poser problème ?
Sa forme d'onde en escalier, riche en harmoniques, cause ronflement et bruit HF
Sa sortie est du continu ondulé, que les transformateurs secteur ne tolèrent pas
Sa tension de crête vaut le double de celle du secteur et fatigue les alimentations
Sa consommation sur la batterie est fixe, quelle que soit la charge
""") + [
    smps_in(138.0, 0.85, 48.0), smps_in(50.0, 0.8, 12.0),
    buck(24.0, 0.55),
    buck(48.0, 0.3),
]

S_SAFETY = parse("""
What is the purpose of a crowbar circuit in a power supply?
To short-circuit the output and blow the fuse on an overvoltage
To hold the output current at a set value if the load is shorted
To switch the supply off if its heat-sink temperature rises too far
To discharge the filter capacitors whenever the mains is switched off
Quel est le rôle d'un circuit « crowbar » dans une alimentation ?
Court-circuiter la sortie et faire fondre le fusible en cas de surtension
Maintenir le courant de sortie à une valeur fixée si la charge est en court-circuit
Couper l'alimentation si la température du dissipateur monte trop
Décharger les condensateurs de filtrage quand on coupe le secteur

Why is a slow-blow fuse often fitted in the mains input of a supply with a large transformer?
It tolerates the inrush at switch-on but blows on a lasting overload
It blows faster than a normal fuse on a short, protecting the diodes
It carries a higher steady current than a normal fuse of the same rating
It resets itself once the overload has gone, like a thermal breaker
Pourquoi monte-t-on souvent un fusible temporisé dans l'entrée secteur d'une alimentation à gros transformateur ?
Il tolère l'appel de courant à l'allumage mais fond en surcharge durable
Il fond plus vite qu'un fusible normal en court-circuit, protégeant les diodes
Il supporte en continu plus de courant qu'un fusible normal de même calibre
Il se réarme de lui-même après la surcharge, comme un disjoncteur thermique

Why must lead-acid batteries be charged in a ventilated place and at a limited voltage?
Overcharging splits water into explosive hydrogen and oxygen
Charging gives off carbon monoxide from the hot lead plates
The battery takes in oxygen from the air while it is charging
Lead vapour escapes from the plates when the voltage is too high
Pourquoi faut-il charger les batteries au plomb dans un endroit aéré et sous une tension limitée ?
La surcharge décompose l'eau en hydrogène et oxygène explosifs
La charge dégage du monoxyde de carbone venant des plaques chaudes
L'oxygène de l'air est absorbé par la batterie en charge
Le plomb s'évapore des plaques sous une tension trop élevée

What is the main hazard of lithium-ion batteries that a battery management system guards against?
Overcharge, deep discharge or overheating, each a cause of fire
Loss of capacity through memory effect after partial discharges
The release of hydrogen gas during an ordinary charging cycle
Sulphation of the plates when the battery is left partly discharged
Quel est le principal danger des batteries lithium-ion contre lequel protège un système de gestion de batterie ?
La surcharge, la décharge profonde ou la surchauffe, sources d'incendie
La perte de capacité par effet mémoire après des décharges partielles répétées
La libération d'hydrogène lors d'une charge normale
La sulfatation des plaques d'une batterie laissée déchargée

Before reaching into the high-voltage compartment of a valve amplifier that has just been switched off, what should be done?
Short the high-voltage points to chassis with an earthed grounding stick
Wait a minute for the bleeder resistors to discharge the capacitors
Check that the front-panel plate voltage meter has dropped to zero
Switch the amplifier to standby, which removes the high voltage
Avant d'intervenir dans le compartiment haute tension d'un amplificateur à tubes qui vient d'être arrêté, que faut-il faire ?
Relier les points HT à la masse avec une perche de décharge
Attendre une minute que les résistances de décharge vident les condensateurs
Vérifier que le voltmètre de plaque de la face avant est revenu à zéro
Passer l'amplificateur en attente, ce qui coupe la haute tension

Why can a high-voltage supply remain dangerous after it has been switched off and unplugged?
Its filter capacitors hold a lethal charge until discharged
Its transformer core stays magnetised and goes on inducing voltage
Its rectifier diodes keep a high voltage stored in their junctions
Its valve heaters keep emitting and charge the anodes as they cool
Pourquoi une alimentation haute tension peut-elle rester dangereuse après avoir été arrêtée et débranchée ?
Ses condensateurs de filtrage gardent une charge mortelle
Ses tôles restent aimantées et continuent à induire une tension
Ses diodes de redressement gardent une haute tension dans leurs jonctions
Ses filaments continuent d'émettre et chargent les anodes en refroidissant

What is the purpose of the interlock switches on the cover of a high-voltage amplifier?
To cut the HV and short it to chassis when the cover is opened
To stop the amplifier being keyed until the valves have warmed up
To switch the amplifier to bypass when the drive is too high
To trip the mains supply if the grid current grows too large
À quoi servent les contacts de sécurité du capot d'un amplificateur haute tension ?
À couper la HT et la mettre à la masse dès l'ouverture du capot
À empêcher la mise en émission tant que les tubes ne sont pas chauds
À passer l'amplificateur en direct quand l'excitation est trop forte
À couper le secteur si le courant de grille devient trop fort

Why should the metal case of a mains-powered supply be connected to the protective earth?
So that a live-to-case fault blows the fuse instead of making the case live
So that ripple currents on the output return through the earth wire
So that the case screens the supply's output from mains-frequency hum
So that static charge on the case does not build up and harm the rectifiers
Pourquoi le boîtier métallique d'une alimentation secteur doit-il être relié à la terre de protection ?
Pour qu'un défaut phase-masse fasse fondre le fusible au lieu d'électriser le boîtier
Pour que les courants d'ondulation de la sortie reviennent par le fil de terre
Pour que le boîtier protège la sortie du ronflement à la fréquence du secteur
Pour éviter que l'électricité statique du boîtier abîme les diodes de redressement
""") + [
    batt_time(60.0, 4.0), batt_drop(12.6, 0.05, 20.0),
]

TOPIC = {
    "en": "Power supplies",
    "fr": "Alimentations",
    "sections": [S_RECTIFIERS, S_FILTERING, S_REGULATORS, S_SWITCHING, S_SAFETY],
}
