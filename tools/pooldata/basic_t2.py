"""Basic topic 2: operating practice."""

from basic_util import parse
import basic_calc as c

TITLE = ("Operating practice", "Pratique du trafic")

S01 = parse("""
How is the call sign F4XYZ spelled with the international phonetic alphabet?
Foxtrot Four X-ray Yankee Zulu
Frank Four Xavier Yellow Zebra
Foxtrot Four Extra Yankee Zero
France Four X-ray Yokohama Zanzibar
Comment épelle-t-on l'indicatif F4XYZ avec l'alphabet phonétique international ?
Foxtrot Four X-ray Yankee Zulu
Frank Four Xavier Yellow Zebra
Foxtrot Four Extra Yankee Zero
France Four X-ray Yokohama Zanzibar

Your call sign contains the letter Q. Which word of the international phonetic alphabet stands for it?
Quebec
Queen
Quito
Quarter
Votre indicatif comporte la lettre Q. Quel mot de l'alphabet phonétique international la représente ?
Quebec
Queen
Quito
Quarter

Your call sign contains the letter J. Which word of the international phonetic alphabet do you use to spell it?
Juliett
Japan
Jupiter
Jack
Votre indicatif comporte la lettre J. Quel mot de l'alphabet phonétique international employez-vous pour l'épeler ?
Juliett
Japan
Jupiter
Jack

A station spells part of its call sign as "Sierra". Which letter does this word stand for in the international phonetic alphabet?
S
C
Z
X
Une station épelle une partie de son indicatif par « Sierra ». Quelle lettre ce mot représente-t-il dans l'alphabet phonétique international ?
S
C
Z
X

A call-sign suffix contains the letters W, K and V. Which sequence of international phonetic words spells them?
Whiskey, Kilo, Victor
Washington, King, Victory
Whiskey, Kentucky, Venice
Water, Kilo, Victor
Le suffixe d'un indicatif contient les lettres W, K et V. Quelle suite de mots phonétiques internationaux les épelle ?
Whiskey, Kilo, Victor
Washington, King, Victory
Whiskey, Kentucky, Venice
Water, Kilo, Victor

Why should you use the standard phonetic words rather than words you make up yourself?
They are known worldwide and chosen to be hard to confuse
Made-up words are forbidden by the ITU in every language and on every band
Standard words make the signal stronger
Made-up words use more bandwidth
Pourquoi utiliser les mots phonétiques normalisés plutôt que des mots de votre invention ?
Ils sont connus partout et choisis pour être difficiles à confondre
Les mots inventés sont interdits par l'UIT dans toutes les langues et sur toutes les bandes
Les mots normalisés rendent le signal plus fort
Les mots inventés occupent plus de largeur de bande

The letters M and N are easily confused by voice. Which phonetic words stand for them in the international alphabet?
Mike and November
Mary and Nancy
Mexico and Norway
Mike and Nectar
Les lettres M et N se confondent facilement en phonie. Quels mots de l'alphabet phonétique international les représentent ?
Mike et November
Mary et Nancy
Mexico et Norway
Mike et Nectar

You need to spell the letter H of your call sign clearly on a noisy band. Which word of the international phonetic alphabet do you use?
Hotel
Henry
Havana
Harbour
Vous devez épeler clairement la lettre H de votre indicatif sur une bande bruyante. Quel mot de l'alphabet phonétique international employez-vous ?
Hotel
Henry
Havana
Harbour

When is it most useful to spell your call sign phonetically?
When signals are weak or disturbed, or when asked
Only in Morse code contacts
Only when speaking your native language to a station of the same country
Never; it only slows the contact down
Quand est-il le plus utile d'épeler votre indicatif phonétiquement ?
Quand les signaux sont faibles ou brouillés, ou sur demande
Seulement dans les liaisons en télégraphie
Seulement en parlant votre langue maternelle à une station du même pays
Jamais ; cela ne fait que ralentir la liaison
""")

S02 = parse("""
During a contact, the other station says "my QTH is near the coast". What is it telling you about?
Its location
Its name
Its change of frequency
Its being busy
Pendant une liaison, l'autre station dit « mon QTH est près de la côte ». De quoi vous parle-t-elle ?
De sa position
De son nom
De son changement de fréquence
De ce qu'elle est occupée

The other station reports "sorry, heavy QRM, please repeat". What is it complaining of?
Interference from other stations
Atmospheric noise from lightning in its area
Fading of the signal
Morse sent too fast
L'autre station signale « désolé, fort QRM, répétez s'il vous plaît ». De quoi se plaint-elle ?
D'un brouillage par d'autres stations
D'un bruit atmosphérique dû à la foudre dans sa région
D'un évanouissement du signal
D'un Morse transmis trop vite

On 80 m on a summer evening, the other station reports "heavy QRN here". What does it mean?
Natural noise, such as static from thunderstorms
Interference from another amateur station
A request to reduce power
A request to stop transmitting
Sur le 80 m, un soir d'été, l'autre station signale « fort QRN ici ». Que veut-elle dire ?
Un bruit naturel, comme les parasites d'orage
Un brouillage dû à une autre station amateur
Une demande de réduire la puissance
Une demande de cesser d'émettre

The frequency becomes crowded and an operator sends "QSY 7045". What does the operator mean?
Let us change to another frequency, here 7045 kHz
Reduce transmitter power to 7 W
I confirm receipt of message number 7045
Stand by and wait 7 minutes
La fréquence devient encombrée et un opérateur transmet « QSY 7045 ». Que veut-il dire ?
Passons sur une autre fréquence, ici 7045 kHz
Réduisez la puissance d'émission à 7 W
J'accuse réception du message numéro 7045
Patientez et attendez 7 minutes

What does the Q-code QRP mean, and what do amateurs also use it for?
Reduce power; amateurs also use it to name low-power operation
Increase power; amateurs also use it for high-power stations
I am ready; amateurs also use it to start a contest
Your location; amateurs also use it for portable operation
Que signifie le code Q QRP, et à quoi les radioamateurs l'emploient-ils aussi ?
Réduisez la puissance ; il désigne aussi le trafic à faible puissance
Augmentez la puissance ; il désigne aussi les stations de forte puissance
Je suis prêt ; il sert aussi à ouvrir un concours
Votre position ; il désigne aussi le trafic en portable

The other station tells you "there is deep QSB on your signal". What is it describing?
Fading of your signal at its receiver
Interference from broadcast stations
A request to send faster
A change of antenna at your station
L'autre station vous dit « il y a un fort QSB sur ton signal ». Que décrit-elle ?
L'évanouissement de votre signal à sa réception
Un brouillage dû aux stations de radiodiffusion
Une demande de transmettre plus vite
Un changement d'antenne à votre station

A station sends you a message and asks "QSL?". In its basic sense, what is it asking?
Can you acknowledge receipt?
Are you leaving the air?
Can you call me later?
Is my signal weak?
Une station vous transmet un message et demande « QSL? ». Dans son sens premier, que demande-t-elle ?
Pouvez-vous accuser réception ?
Quittez-vous l'air ?
Pouvez-vous me rappeler plus tard ?
Mon signal est-il faible ?

After calling CQ, you hear a weak reply you cannot copy and you send "QRZ?". What are you asking?
Who is calling me?
What is your location?
Is this frequency in use?
What is the exact time?
Après votre appel général, vous entendez une réponse faible que vous ne comprenez pas et vous transmettez « QRZ? ». Que demandez-vous ?
Qui m'appelle ?
Quelle est votre position ?
Cette fréquence est-elle occupée ?
Quelle est l'heure exacte ?

At the end of an evening on the air, an operator sends "QRT". What does this tell other stations?
That the station is stopping transmission and closing down
That the station is increasing its power
That the station is ready to receive
That the station asks others to send more slowly
À la fin d'une soirée de trafic, un opérateur transmet « QRT ». Qu'annonce-t-il aux autres stations ?
Que la station cesse d'émettre et ferme
Que la station augmente sa puissance
Que la station est prête à recevoir
Que la station demande aux autres de transmettre plus lentement

Your Morse is too fast for the other station, which sends "QRS". What is it asking you to do?
Send more slowly
Send faster
Stop sending
Change frequency
Votre Morse est trop rapide pour l'autre station, qui transmet « QRS ». Que vous demande-t-elle ?
De transmettre plus lentement
De transmettre plus vite
De cesser de transmettre
De changer de fréquence
""")

S03 = parse("""
An operator sends "CQ CQ CQ de" followed by a call sign. What does the abbreviation CQ mean?
A general call to any station
A call to one particular station
The end of a contact
A request to repeat
Un opérateur transmet « CQ CQ CQ de » suivi d'un indicatif. Que signifie l'abréviation CQ ?
Un appel général à toutes les stations
Un appel à une station particulière
La fin d'une liaison
Une demande de répétition

At the end of a CQ call in Morse, the operator sends the procedure signal K. What does it mean?
Invitation for any station to transmit
End of contact, closing down
Wait
Message received
À la fin d'un appel général en Morse, l'opérateur transmet le signal de procédure K. Que signifie-t-il ?
Invitation à émettre adressée à toute station
Fin de liaison, fermeture de la station
Attendez
Message reçu

At the end of an over in a Morse contact, the other station sends "KN". What does this procedure signal mean?
Over to the station I am working only
Over; any station listening may now answer
The contact is over
Send more slowly
À la fin d'un passage d'une liaison en Morse, l'autre station transmet « KN ». Que signifie ce signal de procédure ?
À vous, seulement pour la station contactée
À vous ; toute station à l'écoute peut répondre
La liaison est terminée
Transmettez plus lentement

At the very end of a Morse contact, after the final greetings, which procedure signal is sent to show the contact is over?
SK
AR
BK
KN
À la toute fin d'une liaison en Morse, après les salutations, quel signal de procédure transmet-on pour indiquer que la liaison est terminée ?
SK
AR
BK
KN

In Morse or voice, what does "DE" mean, as in "F4XYZ DE F5ABC"?
From; it comes before the call sign of the sending station
To; it comes before the receiving station's call sign
Repeat
Delete the last word
En Morse ou en phonie, que signifie « DE », comme dans « F4XYZ DE F5ABC » ?
De la part de ; il précède l'indicatif de la station qui émet
À l'intention de ; il précède l'indicatif de la station réceptrice
Répétez
Effacez le dernier mot

At the end of a friendly contact, an operator sends "73". What does this traditional number mean?
Best regards
Love and kisses
I am in trouble
Thank you for the report
À la fin d'une liaison amicale, un opérateur transmet « 73 ». Que signifie ce nombre traditionnel ?
Meilleures amitiés
Grosses bises
J'ai un problème
Merci pour le report

During a fast exchange in Morse, an operator sends "BK". What does this abbreviation mean?
Break: over to you quickly, or I wish to interrupt
Bank holiday: I am away tomorrow
Bad keying: please check the adjustment of your key
Back tomorrow at the same time
Pendant un échange rapide en Morse, un opérateur transmet « BK ». Que signifie cette abréviation ?
Break : à vous rapidement, ou je souhaite interrompre
Jour férié : je suis absent demain
Mauvaise manipulation : vérifiez le réglage de votre manipulateur
De retour demain à la même heure

Why do CW operators use abbreviations and Q-codes so widely?
They shorten messages and work across languages
Because full words cannot be sent in Morse, which has no spaces between words
Because the rules forbid plain language in Morse
They make the signal more secret
Pourquoi les télégraphistes utilisent-ils autant les abréviations et les codes Q ?
Ils raccourcissent les messages et franchissent les langues
Parce qu'on ne peut pas transmettre de mots entiers en Morse, qui n'a pas d'espace entre les mots
Parce que les règles interdisent le langage clair en Morse
Ils rendent le signal plus secret

In a Morse transmission, what is the procedure signal AR used for?
To mark the end of a message or of a call
To mark the start of a contest
To invite only one named station to reply
To ask for a signal report
Dans une émission en Morse, à quoi sert le signal de procédure AR ?
À marquer la fin d'un message ou d'un appel
À marquer le début d'un concours
À n'inviter qu'une station nommée à répondre
À demander un report de signal

Before calling CQ on a frequency that seems free, a CW operator sends "QRL?". What is being asked?
Is this frequency in use?
Where are you located?
What is my signal strength?
Can you send faster?
Avant de lancer appel sur une fréquence qui semble libre, un télégraphiste transmet « QRL? ». Que demande-t-il ?
Cette fréquence est-elle occupée ?
Où êtes-vous situé ?
Quelle est la force de mon signal ?
Pouvez-vous transmettre plus vite ?
""")

S04 = parse("""
Signal reports are often given in the RST system. What do the three letters stand for?
Readability, Strength, Tone
Range, Speed, Time
Radio, Signal, Transmitter
Reception, Sensitivity, Tuning
Les reports de signal sont souvent donnés dans le système RST. Que représentent les trois lettres ?
Lisibilité, force, tonalité (Readability, Strength, Tone)
Portée, vitesse, temps
Radio, signal, émetteur
Réception, sensibilité, accord

In an RST signal report, on what scale is the readability of the signal given?
From 1 (unreadable) to 5 (perfectly readable)
From 1 (unreadable) to 9 (perfectly readable)
From 0 (unreadable) to 10 (perfectly readable)
From 1 (unreadable) to 3 (perfectly readable)
Dans un report RST, sur quelle échelle donne-t-on la lisibilité du signal ?
De 1 (illisible) à 5 (parfaitement lisible)
De 1 (illisible) à 9 (parfaitement lisible)
De 0 (illisible) à 10 (parfaitement lisible)
De 1 (illisible) à 3 (parfaitement lisible)

In a voice contact, the other station gives you a report of "59". What does it mean?
Perfectly readable, extremely strong signal
Barely readable, very weak signal
Readable with difficulty, fair signal
Unreadable, but strong
Dans une liaison en phonie, l'autre station vous donne un report de « 59 ». Que signifie-t-il ?
Parfaitement lisible, signal extrêmement fort
À peine lisible, signal très faible
Lisible avec difficulté, signal moyen
Illisible, mais fort

Why is there no tone figure in a signal report for a voice contact?
The tone figure rates the note of a CW signal
Voice signals always have perfect tone
The tone figure is secret
Because voice reports are always given in decibels above S9, not as figures
Pourquoi n'y a-t-il pas de chiffre de tonalité dans un report de liaison en phonie ?
Le chiffre de tonalité note la qualité d'un signal CW
Les signaux de phonie ont toujours une tonalité parfaite
Le chiffre de tonalité est secret
Parce que les reports en phonie se donnent toujours en décibels au-dessus de S9, pas en chiffres

A CW signal you are copying has a rough note, clearly modulated by mains hum. Which tone figure of the RST report would you give?
A low figure, such as 3 or 4
9, the best figure
0, since the tone scale starts at zero
None; the tone figure is not affected by hum
Le signal de télégraphie que vous recevez a une note rauque, nettement modulée par le ronflement du secteur. Quel chiffre de tonalité du report RST donnez-vous ?
Un chiffre bas, comme 3 ou 4
9, le meilleur chiffre
0, puisque l'échelle de tonalité commence à zéro
Aucun ; le ronflement n'affecte pas le chiffre de tonalité

What does "RST 339" describe?
Readable with much difficulty, weak, pure tone
Perfectly readable, strong, poor tone
Unreadable, no signal, good tone
Fairly readable, moderate signal, rough and unsteady tone
Que décrit « RST 339 » ?
Lisible avec beaucoup de difficulté, faible, tonalité pure
Parfaitement lisible, fort, tonalité médiocre
Illisible, pas de signal, bonne tonalité
Assez lisible, signal moyen, tonalité rauque et instable

Why is an honest signal report more useful than an automatic "59"?
It tells the other station how it is really received
An automatic 59 is forbidden by the rules in all countries
Honest reports make contacts last longer
An honest report increases the other station's power
Pourquoi un report sincère est-il plus utile qu'un « 59 » automatique ?
Il dit à l'autre station comment elle est vraiment reçue
Un 59 automatique est interdit par les règles de tous les pays
Les reports sincères font durer les liaisons
Un report sincère augmente la puissance de l'autre station

During a contact the other station reads your signal on its S-meter. What does the S-meter of a receiver indicate?
The relative strength of the received signal
The transmitter's output power
The frequency of the received signal
The SWR of the antenna
Pendant une liaison, l'autre station lit votre signal sur son S-mètre. Qu'indique le S-mètre d'un récepteur ?
La force relative du signal reçu
La puissance de sortie de l'émetteur
La fréquence du signal reçu
Le ROS de l'antenne

On the strength scale of a signal report, how is a very strong signal usually described?
By 9, with "plus" decibels above S9
By a strength figure of 1, the top of the scale
By a strength figure of 5
By the letter S alone
Sur l'échelle de force d'un report, comment un signal très fort est-il habituellement décrit ?
Par 9, suivi de décibels « plus » au-dessus de S9
Par un chiffre de force de 1, le haut de l'échelle
Par un chiffre de force de 5
Par la lettre S seule
""")

S05 = parse("""
Before calling CQ on a frequency that seems free, what should you do?
Listen for a while and ask if the frequency is in use
Call CQ at once, since the frequency looks free
Tune the transmitter on the frequency at full power
Ask the administration for permission
Avant de lancer appel sur une fréquence qui semble libre, que devez-vous faire ?
Écouter un moment et demander si la fréquence est occupée
Lancer appel immédiatement, puisque la fréquence semble libre
Régler l'émetteur sur la fréquence à pleine puissance
Demander l'autorisation à l'administration

How should you answer a station calling CQ by voice?
Its call sign once, then "this is" and your call sign
Give only your own call sign, many times over
Give its call sign ten times, then yours once
Simply say "hello" and wait
Comment répondez-vous en phonie à une station qui lance appel ?
Son indicatif une fois, puis « ici » et votre indicatif
Votre indicatif seulement, de nombreuses fois
Son indicatif dix fois, puis le vôtre une fois
« Allô » seulement, puis attendre

Why is a long CQ call usually less effective than several short calls with listening breaks?
Stations can answer in the breaks; long calls waste time
Long calls damage the transmitter
Short calls are required by law, with a break every ten seconds
Long calls can only be heard nearby
Pourquoi un long appel général est-il souvent moins efficace que plusieurs appels courts entrecoupés d'écoute ?
On peut répondre pendant les pauses ; un long appel fait perdre du temps
Les appels longs endommagent l'émetteur
Les appels courts sont imposés par la loi, avec une pause toutes les dix secondes
Les appels longs ne s'entendent qu'à proximité

When you call CQ in Morse, at what speed should you send?
At a speed at which you can comfortably receive the answer
As fast as your keyer allows
Always at exactly 5 words per minute
Faster than the speed of the stations you expect
Quand vous lancez appel en Morse, à quelle vitesse transmettez-vous ?
À une vitesse à laquelle vous pouvez recevoir la réponse sans peine
Aussi vite que le permet votre manipulateur
Toujours à exactement 5 mots par minute
Plus vite que les stations que vous attendez

Two stations answer your CQ at the same time. What is good practice?
Answer the one copied best, or ask for a repeat
Ignore both and call CQ again
Answer both at once on the same over, then pick one
Move frequency without telling them
Deux stations répondent en même temps à votre appel. Quelle est la bonne pratique ?
Répondre à celle qui est la mieux reçue, ou faire répéter
Les ignorer toutes les deux et relancer appel
Répondre aux deux dans le même passage, puis en choisir une
Changer de fréquence sans les prévenir

What is a "directional CQ", such as "CQ DX" or "CQ Europe"?
A call inviting answers only from certain stations or areas
A call made with a directional antenna only
A call aimed at a single known station
A call sent on two frequencies at once, one for each direction
Qu'est-ce qu'un « appel dirigé », comme « CQ DX » ou « CQ Europe » ?
Un appel qui n'invite à répondre que certaines stations ou régions
Un appel fait uniquement avec une antenne directive
Un appel destiné à une seule station connue
Un appel transmis sur deux fréquences à la fois, une par direction

How should you end a contact?
Final greetings, both call signs, then say whether you stay on frequency
Stop transmitting without a word, since the other station will understand
Say only "bye" without call signs
Switch off the station while the other is talking
Comment terminez-vous une liaison ?
Salutations finales, les deux indicatifs, puis dire si vous restez sur la fréquence
Cesser d'émettre sans un mot, l'autre station comprendra
En disant seulement « au revoir », sans indicatifs
En éteignant la station pendant que l'autre parle

A short first contact between two amateurs who do not know each other usually starts with a standard exchange. What are its usual first items?
Call signs, signal reports, names and locations
Bank details and postal addresses for the QSL cards
Equipment prices and where to buy them
Weather forecasts for the next week at each station
Une première liaison courte entre deux radioamateurs qui ne se connaissent pas commence en général par un échange type. Quels en sont les premiers éléments ?
Les indicatifs, les reports, les prénoms et les positions
Les coordonnées bancaires et postales pour les cartes QSL
Les prix du matériel et où l'acheter
Les prévisions météo de la semaine à chaque station

Why should each over in a contact be kept reasonably short?
So the other station, and others waiting, can have a turn
Because the transmitter overheats after one minute
Because the rules set a maximum of thirty seconds per over on all bands
Long overs cause harmonics
Pourquoi chaque passage d'une liaison doit-il rester assez court ?
Pour que l'autre station, et ceux qui attendent, aient leur tour
Parce que l'émetteur chauffe après une minute
Parce que les règles fixent un maximum de trente secondes par passage sur toutes les bandes
Les longs passages produisent des harmoniques

You hear a station calling CQ whose signal is very weak. What can you do to help it copy you?
Answer slowly and clearly, repeating your call sign and report
Answer at the fastest speed you can manage
Use as many abbreviations as possible
Do not answer, since a station that weak cannot hear anyone at all
Vous entendez une station très faible qui lance appel. Comment l'aider à vous recevoir ?
Répondre lentement et clairement, en répétant indicatif et report
Répondre à la vitesse la plus rapide possible
Utiliser le plus d'abréviations possible
Ne pas répondre, une station aussi faible n'entendant personne
""")

S06 = parse("""
You want to use a frequency but hear only one side of a contact. What should you assume?
It may be in use by a station you cannot hear
The frequency is free, because you can hear only one of the two stations
The station you hear is talking to itself
The other station must be using illegal power
Vous voulez utiliser une fréquence mais n'entendez qu'un côté d'une liaison. Que devez-vous supposer ?
Elle est peut-être occupée par une station que vous n'entendez pas
La fréquence est libre, puisque vous n'entendez qu'une des deux stations
La station entendue se parle à elle-même
L'autre station utilise forcément une puissance illégale

What is a pile-up?
Many stations calling one sought-after station at once
A stack of equipment on the operating table
A series of lightning strikes near the antenna during a storm
A fault in the power amplifier
Qu'est-ce qu'un « pile-up » ?
De nombreuses stations appelant à la fois une station recherchée
Un empilement de matériel sur la table de trafic
Une série de coups de foudre près de l'antenne pendant un orage
Un défaut de l'amplificateur de puissance

What is "split" operation, often used by rare stations?
Transmitting on one frequency and listening on another
Two operators share one microphone
The station changes band every minute
Half of the contact is in Morse and the other half by voice
Qu'est-ce que le trafic en « split », souvent pratiqué par les stations rares ?
Émettre sur une fréquence et écouter sur une autre
Deux opérateurs partagent un microphone
La station change de bande chaque minute
La moitié de la liaison se fait en Morse et l'autre en phonie

During a pile-up, the rare station asks for stations with a certain prefix only. What should others do?
Stay silent until the rare station calls for them
Keep calling to show they are waiting
Call with a different prefix to trick the operator
Tune up their transmitters on the frequency
Pendant un pile-up, la station rare ne demande que les stations d'un certain préfixe. Que doivent faire les autres ?
Se taire jusqu'à ce que la station rare les appelle
Continuer d'appeler pour montrer qu'ils attendent
Appeler avec un autre préfixe pour tromper l'opérateur
Régler leurs émetteurs sur la fréquence

Why should you tune your transmitter into a dummy load rather than on the air?
To avoid disturbing stations already on the frequency
Because tuning on the air is impossible
Because dummy loads improve the transmitter's stability
To protect the receiver from overload
Pourquoi régler votre émetteur sur charge fictive plutôt que sur l'air ?
Pour ne pas gêner les stations déjà présentes sur la fréquence
Parce que le réglage sur l'air est impossible
Parce que la charge fictive améliore la stabilité de l'émetteur
Pour protéger le récepteur de la saturation

By long-standing convention, which sideband is used for SSB voice on the amateur HF bands below 10 MHz, such as 80 m and 40 m?
Lower sideband
Upper sideband
Both sidebands at once
No sideband; FM is used there
Par une convention ancienne, quelle bande latérale emploie-t-on pour la phonie BLU sur les bandes amateurs HF au-dessous de 10 MHz, comme le 80 m et le 40 m ?
La bande latérale inférieure
La bande latérale supérieure
Les deux bandes latérales à la fois
Aucune ; on y utilise la FM

By long-standing convention, which sideband is used for SSB voice on the amateur HF bands from 14 MHz upwards?
Upper sideband
Lower sideband
Double sideband with carrier
Vestigial sideband
Par une convention ancienne, quelle bande latérale emploie-t-on pour la phonie BLU sur les bandes amateurs HF à partir de 14 MHz ?
La bande latérale supérieure
La bande latérale inférieure
Double bande latérale avec porteuse
Bande latérale résiduelle

Two SSB contacts are running 1 kHz apart. What is the likely result?
They interfere, as SSB voice needs about 3 kHz
Nothing, SSB signals take no bandwidth
Both signals become louder
The two contacts merge automatically into one round table
Deux liaisons BLU se déroulent à 1 kHz l'une de l'autre. Quel est le résultat probable ?
Elles se brouillent, la BLU occupant environ 3 kHz
Rien, les signaux BLU n'occupent aucune largeur de bande
Les deux signaux deviennent plus forts
Les deux liaisons fusionnent automatiquement en une table ronde

Why should you keep your transmitter power to the minimum needed for a good contact?
It reduces interference to other stations and saves energy
The rules require exactly 5 watts for all contacts
Higher power always distorts speech
Low power increases the range
Pourquoi limiter la puissance d'émission au minimum nécessaire pour une bonne liaison ?
Cela réduit le brouillage des autres stations et économise l'énergie
Les règles imposent exactement 5 watts pour toute liaison
Une forte puissance déforme toujours la parole
Une faible puissance augmente la portée

An operator keeps transmitting on top of an ongoing contact. What is the best reaction of the stations in contact?
Ignore it and move if needed, without arguing on the air
Argue with the station on the frequency
Jam the station in return
Broadcast its call sign repeatedly as a warning to other amateurs
Un opérateur émet sans cesse par-dessus une liaison en cours. Quelle est la meilleure réaction des stations en liaison ?
L'ignorer et changer de fréquence si besoin, sans polémiquer
Se disputer avec elle sur la fréquence
La brouiller en retour
Diffuser son indicatif en boucle pour avertir les autres radioamateurs
""")

S07 = parse("""
What is an amateur repeater?
An unattended station that receives on one frequency and retransmits on another
A station that records your own signal and plays it back to you after a delay
A device that doubles the power of a hand-held radio
A receiver used only to monitor distress calls
Qu'est-ce qu'un relais amateur ?
Une station automatique qui reçoit sur une fréquence et retransmet sur une autre
Une station qui enregistre votre signal et vous le renvoie après un délai
Un appareil qui double la puissance d'un portatif
Un récepteur servant seulement à surveiller les appels de détresse

Why do repeaters greatly increase the range of mobile and hand-held VHF stations?
They are high up with good antennas, so they cover a wide area
They increase the frequency of the signal
They work on HF, where signals go further
They store messages and send them later, when the band is open
Pourquoi les relais augmentent-ils beaucoup la portée des stations VHF mobiles et portatives ?
Ils sont en hauteur avec de bonnes antennes et couvrent une large zone
Ils augmentent la fréquence du signal
Ils fonctionnent en HF, où les signaux vont plus loin
Ils stockent les messages et les transmettent plus tard, quand la bande est ouverte

What is the repeater "offset"?
The gap between its input and output frequencies
The distance between the repeater site and your station
The delay before the repeater answers
The tone sent at the end of each over
Qu'est-ce que le « décalage » (shift) d'un relais ?
L'écart entre ses fréquences d'entrée et de sortie
La distance entre le site du relais et votre station
Le délai avant que le relais réponde
La tonalité émise à la fin de chaque passage

What is the purpose of a CTCSS tone on many repeaters?
A sub-audible tone needed to open the repeater
A tone that warns you when the battery of your radio is low
A call tone that rings a telephone
A tone that increases the repeater's range
À quoi sert une tonalité CTCSS sur de nombreux relais ?
Une tonalité subaudible nécessaire pour ouvrir le relais
Une tonalité qui vous avertit quand la batterie du poste est faible
Une tonalité d'appel qui fait sonner un téléphone
Une tonalité qui augmente la portée du relais

Why should you pause briefly between overs when using a repeater?
To let other stations, possibly with emergency traffic, call in
To let the repeater's transmitter cool down for ten minutes
Because the repeater cannot carry two overs in a row
To save your battery
Pourquoi marquer une courte pause entre les passages sur un relais ?
Pour laisser d'autres stations, peut-être avec du trafic urgent, se manifester
Pour laisser refroidir l'émetteur du relais dix minutes
Parce que le relais ne peut pas transmettre deux passages de suite
Pour économiser votre batterie

What is the "time-out timer" of a repeater for?
It cuts retransmission if an over lasts too long
It switches the repeater off at night
It counts the contacts of the day for the repeater's log
It sets the clock of the repeater's beacon
À quoi sert la minuterie (time-out) d'un relais ?
Elle coupe la retransmission si un passage dure trop
Elle éteint le relais la nuit
Elle compte les liaisons de la journée pour le journal du relais
Elle règle l'horloge de la balise du relais

You can hear the other station directly with a good signal, without the repeater. What is good practice?
Move to simplex and leave the repeater free
Keep using the repeater, since it is there
Use the repeater output frequency for simplex, since it is already clear
Increase power on the repeater input
Vous entendez l'autre station directement avec un bon signal, sans le relais. Quelle est la bonne pratique ?
Passer en simplex et laisser le relais libre
Continuer sur le relais, puisqu'il est là
Utiliser la fréquence de sortie du relais en simplex, puisqu'elle est dégagée
Augmenter la puissance sur l'entrée du relais

How do you usually announce that you are listening on a repeater?
Your call sign followed by "listening"
Call CQ for several minutes to be sure of being heard
Key the microphone without speaking
Send a long test tone
Comment annonce-t-on habituellement que l'on est à l'écoute sur un relais ?
En donnant son indicatif suivi de « à l'écoute »
En lançant appel général plusieurs minutes pour être sûr d'être entendu
En appuyant sur l'alternat sans parler
En émettant une longue tonalité d'essai

Two mobile stations agree to leave the repeater and work "simplex". What is simplex operation?
Transmitting and receiving on the same frequency
Transmitting on one frequency and receiving on another
Using two antennas at once, one for each direction
Operating through a satellite instead of a repeater
Deux stations mobiles conviennent de quitter le relais et de passer en « simplex ». Qu'est-ce que le simplex ?
L'émission et la réception sur la même fréquence
L'émission sur une fréquence et la réception sur une autre
L'emploi de deux antennes à la fois, une par sens
Le trafic via un satellite au lieu d'un relais

Your hand-held radio reaches the repeater but your signal is noisy there. Which step is most likely to help?
Move to a higher, clearer spot or use a better antenna
Speak much louder into the microphone, holding it close to your mouth
Switch to a lower CTCSS tone
Transmit for longer overs
Votre portatif atteint le relais mais votre signal y est bruité. Quelle mesure a le plus de chances d'aider ?
Aller vers un lieu plus haut et dégagé ou prendre une meilleure antenne
Parler beaucoup plus fort dans le microphone, tenu près de la bouche
Choisir une tonalité CTCSS plus basse
Faire des passages plus longs
""")

S08 = parse("""
Which type of modulation is usually used for voice on amateur VHF and UHF repeaters?
Frequency modulation
Single sideband
Amplitude modulation with carrier
On-off keying
Quel type de modulation utilise-t-on habituellement pour la phonie sur les relais amateurs VHF et UHF ?
La modulation de fréquence
La bande latérale unique
La modulation d'amplitude avec porteuse
La manipulation tout ou rien

Why should you not transmit on the repeater's output frequency?
You would interfere with everyone listening to the repeater
It would damage the repeater
The repeater output is reserved for data and digital voice only
It would raise your own SWR
Pourquoi ne faut-il pas émettre sur la fréquence de sortie d'un relais ?
Vous brouilleriez tous ceux qui écoutent le relais
Cela endommagerait le relais
La sortie du relais est réservée aux données et à la phonie numérique
Cela augmenterait votre propre ROS

What does "reverse" on a repeater-capable radio do?
It swaps transmit and receive, so you hear the repeater input
It reverses the polarity of the supply, to protect the radio
It plays back your last transmission
It reverses the direction of the antenna
Que fait la fonction « reverse » d'un poste prévu pour les relais ?
Elle permute émission et réception pour écouter l'entrée du relais
Elle inverse la polarité de l'alimentation pour protéger le poste
Elle rejoue votre dernière émission
Elle inverse l'orientation de l'antenne

What is a courtesy tone, heard after each over on some repeaters?
A short tone that ends each over and resets the timer
A warning that the repeater is about to switch off for the night
A signal that an emergency is in progress
The repeater's identification in Morse
Qu'est-ce que le « bip de courtoisie » entendu après chaque passage sur certains relais ?
Un bref signal qui clôt chaque passage et remet la minuterie à zéro
Un avertissement que le relais va s'éteindre pour la nuit
Un signal annonçant une urgence en cours
L'identification du relais en Morse

Who is usually responsible for the technical operation of an amateur repeater?
The licence holder or group that keeps it
Every user of the repeater equally
The administration's monitoring service, which runs all repeaters
Nobody, because it is automatic
Qui est habituellement responsable du fonctionnement technique d'un relais amateur ?
Le titulaire ou le groupe qui le gère
Chaque utilisateur du relais, à égalité
Le service de contrôle de l'administration, qui exploite tous les relais
Personne, puisqu'il est automatique

What is an FM "calling channel" on VHF?
A simplex frequency for first contact, before moving off
The frequency on which the repeaters of the region transmit
A channel reserved for beacons
A frequency used only for digital modes
Qu'est-ce qu'une « fréquence d'appel » FM en VHF ?
Une fréquence simplex de premier contact, avant de changer
La fréquence sur laquelle émettent les relais de la région
Un canal réservé aux balises
Une fréquence réservée aux modes numériques

What may happen if you set too wide an FM deviation on your transmitter?
Distortion and interference to adjacent channels
Your signal will become narrower
Your battery will last longer, but the range will be shorter
The repeater will answer faster
Que peut-il se passer si vous réglez une excursion FM trop grande sur votre émetteur ?
De la distorsion et un brouillage des canaux adjacents
Votre signal deviendra plus étroit
Votre batterie durera plus longtemps, mais la portée sera réduite
Le relais répondra plus vite

Some repeaters link to others over the internet. What must users of such linked systems remember?
They may be heard far away; the usual rules still apply
Internet links remove the need to identify, since the system does it
Any language or content is allowed once the link is active
The link allows unlicensed people to transmit on the radio side
Certains relais sont reliés à d'autres par internet. Que doivent retenir les utilisateurs de ces systèmes ?
Ils peuvent être entendus au loin ; les règles habituelles s'appliquent
La liaison internet dispense de s'identifier, le système s'en chargeant
Tout langage et tout contenu sont permis une fois la liaison active
La liaison permet à des non-licenciés d'émettre côté radio

While mobile in a car, what is the safest way to operate?
Let a passenger operate, or stop safely before using the radio
Hold the microphone while driving through traffic
Write the log while driving
Use a hand-held radio with the antenna inside the car while driving fast
En voiture, quelle est la façon la plus sûre de trafiquer ?
Laisser un passager trafiquer, ou s'arrêter en sécurité avant d'utiliser la radio
Tenir le microphone en conduisant dans la circulation
Remplir le carnet de trafic en conduisant
Utiliser un portatif avec l'antenne dans l'habitacle en roulant vite
""")

S09 = parse("""
Why do amateurs record times in UTC in their logs?
It is the same worldwide, so both logs agree
UTC is the local time of the ITU headquarters, used as a reference
It is required only during summer time
Local time is never precise enough
Pourquoi les radioamateurs notent-ils les heures en UTC dans leur carnet ?
C'est la même heure partout, les deux carnets concordent
L'UTC est l'heure locale du siège de l'UIT, prise comme référence
Elle n'est exigée qu'à l'heure d'été
L'heure locale n'est jamais assez précise

Which items are normally recorded in an amateur station log for each contact?
Date, UTC time, band, mode, call sign and reports
Only the other operator's name
The price of the contact
The other station's equipment serial numbers and its operator's address
Quels éléments note-t-on normalement au carnet de trafic pour chaque liaison ?
Date, heure UTC, bande, mode, indicatif et reports
Seulement le prénom de l'autre opérateur
Le prix de la liaison
Les numéros de série du matériel de l'autre station et l'adresse de son opérateur

After a contact with a distant station, you receive its QSL card in the post. What is a QSL card?
A written confirmation of a contact
A licence document issued by the administration to each station
A card that lists all the Q-codes and their meanings
A memory card that stores the settings of a transceiver
Après une liaison avec une station lointaine, vous recevez sa carte QSL par la poste. Qu'est-ce qu'une carte QSL ?
Une confirmation écrite d'une liaison
Un document de licence délivré par l'administration à chaque station
Une carte qui liste tous les codes Q et leur sens
Une carte mémoire qui garde les réglages d'un émetteur-récepteur

Besides confirming contacts, why is a careful log useful?
It helps with interference complaints by showing what you did and when
It increases the station's power
It replaces the licence
It is only useful for contests, where the organisers check every entry
Outre la confirmation des liaisons, à quoi sert un carnet bien tenu ?
Il aide face aux plaintes de brouillage en montrant ce que vous avez fait et quand
Il augmente la puissance de la station
Il remplace la licence
Il n'est utile qu'en concours, où les organisateurs vérifient chaque ligne

What is a QSL bureau?
A service, often run by a national society, that forwards QSL cards in bulk
A government office that issues call signs and confirms every contact
A shop that sells radio equipment
A club that organises contests
Qu'est-ce qu'un bureau QSL ?
Un service, souvent géré par une association nationale, qui achemine les cartes QSL en nombre
Un bureau de l'État qui attribue les indicatifs et confirme chaque liaison
Un magasin de matériel radio
Un club qui organise des concours

A listener sends you a report card signed with "SWL" after the name. What does the abbreviation SWL mean?
A short-wave listener, who does not transmit
A standing wave level
A station working on low power, usually under 5 W
A special wire for the long antenna
Un écouteur vous envoie une carte de report signée « SWL » après son nom. Que signifie l'abréviation SWL ?
Un écouteur d'ondes courtes, qui n'émet pas
Un niveau d'ondes stationnaires
Une station travaillant à faible puissance, en général moins de 5 W
Un fil spécial pour l'antenne long fil
""") + c.utc([(14, 30, 2), (21, 45, -5), (0, 30, 3)]) + parse("""
Why should the times in your log be accurate to within a minute or two?
So that both logs of a contact match when it is checked for a QSL card, an award or a contest
Because the licence requires an atomic clock in every station
Because the ionosphere changes every minute and the time sets the band
Because a wrong time makes the other station's QSL card invalid by law
Pourquoi les heures de votre carnet doivent-elles être exactes à une ou deux minutes près ?
Pour que les deux carnets d'une liaison concordent lors d'un contrôle pour une carte QSL, un diplôme ou un concours
Parce que la licence exige une horloge atomique dans chaque station
Parce que l'ionosphère change chaque minute et que l'heure fixe la bande
Parce qu'une heure fausse rend légalement nulle la carte QSL de l'autre station
""")

S10 = parse("""
A CW station is heard calling on 7.050 MHz. In which amateur band is it operating?
The 40 m band
The 80 m band
The 20 m band
The 15 m band
Une station de télégraphie lance appel sur 7,050 MHz. Dans quelle bande amateur trafique-t-elle ?
La bande des 40 m
La bande des 80 m
La bande des 20 m
La bande des 15 m

A weak-signal SSB station is heard on 144.300 MHz. In which amateur band is it operating?
The 2 m band
The 6 m band
The 70 cm band
The 10 m band
Une station BLU à signaux faibles est entendue sur 144,300 MHz. Dans quelle bande amateur trafique-t-elle ?
La bande des 2 m
La bande des 6 m
La bande des 70 cm
La bande des 10 m

A station is heard on 432.200 MHz during a VHF and UHF contest. In which amateur band is it operating?
The 70 cm band
The 2 m band
The 23 cm band
The 6 m band
Une station est entendue sur 432,200 MHz pendant un concours VHF-UHF. Dans quelle bande amateur trafique-t-elle ?
La bande des 70 cm
La bande des 2 m
La bande des 23 cm
La bande des 6 m

A regional net meets every evening on 3.650 MHz. In which amateur band is it held?
The 80 m band
The 160 m band
The 40 m band
The 30 m band
Un réseau régional se réunit chaque soir sur 3,650 MHz. Dans quelle bande amateur se tient-il ?
La bande des 80 m
La bande des 160 m
La bande des 40 m
La bande des 30 m

A station is heard calling CQ on 28.500 MHz. In which amateur band is it operating?
The 10 m band
The 12 m band
The 15 m band
The 6 m band
Une station lance appel sur 28,500 MHz. Dans quelle bande amateur trafique-t-elle ?
La bande des 10 m
La bande des 12 m
La bande des 15 m
La bande des 6 m

A distant station is heard on SSB on 21.200 MHz. In which amateur band is it operating?
The 15 m band
The 17 m band
The 12 m band
The 20 m band
Une station lointaine est entendue en BLU sur 21,200 MHz. Dans quelle bande amateur trafique-t-elle ?
La bande des 15 m
La bande des 17 m
La bande des 12 m
La bande des 20 m

Why are amateur bands commonly named by a wavelength in metres, such as "20 m"?
The name gives the approximate wavelength of signals in that band
Because the antenna for each band must be exactly that long
Because the band is that many metres wide
Because the name shows the maximum range in metres
Pourquoi les bandes amateurs portent-elles couramment le nom d'une longueur d'onde, comme « 20 m » ?
Le nom donne la longueur d'onde approximative des signaux de la bande
Parce que l'antenne de chaque bande doit mesurer exactement cette longueur
Parce que la bande a cette largeur en mètres
Parce que le nom indique la portée maximale en mètres
""") + c.mhz_khz([("7.074", "mhz"), (14230, "khz"), ("1.8365", "mhz")])

S11 = parse("""
Which digital mode is widely used for weak-signal HF contacts, with short, largely automatic exchanges in 15-second transmit and receive periods?
FT8
AM
FM voice
Slow-scan television
Quel mode numérique est très utilisé pour les liaisons HF à signaux faibles, avec des échanges courts et largement automatiques par périodes d'émission et de réception de 15 secondes ?
Le FT8
L'AM
La phonie FM
La télévision à balayage lent

Some HF contests are held in RTTY. What is RTTY?
Radio teletype, using frequency-shift keying
A form of single-sideband voice used on 80 m
A repeater linking system
A method of measuring antenna gain
Certains concours HF se déroulent en RTTY. Qu'est-ce que le RTTY ?
Le radiotélétype, par déplacement de fréquence
Une forme de phonie BLU utilisée sur le 80 m
Un système de liaison de relais
Une méthode de mesure du gain d'antenne

What is the main cause of overheating when a transceiver runs digital modes at full power?
Many digital modes transmit continuously, at 100 % duty cycle
Digital modes use a higher frequency
The computer heats the transceiver through the cable
Digital signals contain harmonics that heat the power amplifier
Quelle est la cause principale de l'échauffement d'un émetteur-récepteur en mode numérique à pleine puissance ?
Beaucoup de modes numériques émettent en continu, à 100 % du temps
Les modes numériques utilisent une fréquence plus haute
L'ordinateur chauffe l'appareil par le câble
Les signaux numériques contiennent des harmoniques qui chauffent l'amplificateur

Why should the audio level from the computer to an SSB transmitter on digital modes be set carefully?
Too much audio overdrives it, giving wide, distorted signals
Too little audio damages the sound card
The audio level sets the frequency of the signal on the band
The audio level has no effect on the signal
Pourquoi régler soigneusement le niveau audio de l'ordinateur vers un émetteur BLU en mode numérique ?
Trop d'audio le surcharge et donne des signaux larges et déformés
Un niveau trop faible endommage la carte son
Le niveau audio fixe la fréquence du signal sur la bande
Le niveau audio n'a aucun effet sur le signal

What is packet radio?
A digital mode sending addressed, error-checked data packets
Sending parcels by radio-controlled drones
A type of antenna for mobile use
A voice mode for repeaters that sends speech in short bursts
Qu'est-ce que le packet radio ?
Un mode numérique qui envoie des paquets de données adressés et contrôlés
L'envoi de colis par drones radiocommandés
Un type d'antenne pour le mobile
Un mode de phonie pour relais qui envoie la parole par courtes rafales

Why do signals from a low-orbit amateur satellite change frequency during a pass?
The Doppler effect, as it approaches and then recedes
The satellite changes its transmit frequency on purpose to avoid interference
Because of the ionosphere's reflection
Because the satellite's battery discharges
Pourquoi les signaux d'un satellite amateur en orbite basse changent-ils de fréquence au cours d'un passage ?
L'effet Doppler, le satellite s'approchant puis s'éloignant
Le satellite change volontairement sa fréquence d'émission pour éviter le brouillage
À cause de la réflexion sur l'ionosphère
Parce que la batterie du satellite se décharge

An amateur satellite is in low Earth orbit. How long does a typical pass over your station, from rise to set, last?
About 10 to 20 minutes
About 24 hours
About 2 seconds
Several days
Un satellite amateur est en orbite terrestre basse. Combien de temps dure un passage typique au-dessus de votre station, du lever au coucher ?
Environ 10 à 20 minutes
Environ 24 heures
Environ 2 secondes
Plusieurs jours

What is APRS used for?
Sending positions and short messages by packet radio
Encrypting amateur messages so that only club members can read them
Measuring antenna radiation patterns
Automatic tuning of antennas
À quoi sert l'APRS ?
À transmettre positions et messages courts par packet radio
À chiffrer les messages amateurs pour que seuls les membres du club les lisent
À mesurer les diagrammes de rayonnement des antennes
À accorder automatiquement les antennes

Why is it good practice to check the waterfall display before transmitting on a digital-mode frequency?
To pick a clear spot and not transmit over others
Because the waterfall display sets the transmit power of the radio
To measure the SWR of the antenna
To see the time in UTC
Pourquoi est-il de bonne pratique de regarder la chute d'eau (waterfall) avant d'émettre sur une fréquence de mode numérique ?
Pour choisir une place libre et ne pas émettre sur les autres
Parce que l'affichage en chute d'eau règle la puissance d'émission du poste
Pour mesurer le ROS de l'antenne
Pour voir l'heure UTC

What does a digital voice mode need at both ends of a contact?
Compatible equipment using the same protocol
Only an FM receiver
An internet connection in every case, even for a simplex contact
Two antennas per station
De quoi un mode de phonie numérique a-t-il besoin aux deux bouts d'une liaison ?
D'équipements compatibles utilisant le même protocole
D'un simple récepteur FM
D'une connexion internet dans tous les cas, même en simplex
De deux antennes par station
""")

S12 = parse("""
What is an amateur radio contest?
An event in which stations make as many contacts as possible under set rules
A test for a higher licence class, held on the air by the administration
A comparison of equipment prices
A meeting of the national society's committee
Qu'est-ce qu'un concours radioamateur ?
Une épreuve où les stations font le plus de liaisons possible selon des règles fixées
Un examen pour une classe de licence supérieure, passé sur l'air devant l'administration
Une comparaison des prix du matériel
Une réunion du bureau de l'association nationale

What is a "contest exchange"?
The information, such as a report and a serial number, that stations swap
The trading of equipment between contestants after the contest ends
Swapping frequencies with another station
The final score list
Qu'est-ce que l'« échange » d'un concours ?
Les informations, comme un report et un numéro de série, que les stations échangent
L'échange de matériel entre concurrents à la fin du concours
Un échange de fréquences avec une autre station
Le classement final

Why do many amateurs avoid the narrow segments of bands set aside for non-contest use during contests?
Band plans keep some segments, such as beacon ones, free of contests
Because contest stations must use FM
Those segments are reserved for broadcasting during contest weekends
Because contests take place only on VHF
Pourquoi de nombreux radioamateurs évitent-ils pendant les concours les segments étroits exclus de ces activités ?
Les plans de bandes préservent certains segments, comme ceux des balises
Parce que les stations de concours doivent utiliser la FM
Ces segments sont réservés à la radiodiffusion pendant les week-ends de concours
Parce que les concours n'ont lieu qu'en VHF

What is a "DX" station?
A distant station, often in another country or continent
A station that uses digital modes only, such as RTTY or FT8
A station of the administration
A station with a directional antenna
Qu'est-ce qu'une station « DX » ?
Une station lointaine, souvent dans un autre pays ou continent
Une station n'utilisant que les modes numériques, comme le RTTY ou le FT8
Une station de l'administration
Une station dotée d'une antenne directive

What is an amateur beacon station?
A station transmitting regularly so that others can study propagation
A station that calls for help automatically when its operator is in danger
A station that relays contacts between two bands
A station that jams unlicensed transmissions
Qu'est-ce qu'une balise amateur ?
Une station qui émet régulièrement pour l'étude de la propagation
Une station qui appelle à l'aide automatiquement quand son opérateur est en danger
Une station qui relaie les liaisons entre deux bandes
Une station qui brouille les émissions non autorisées

Many operators watch a "DX cluster" while on the air. What is a DX cluster?
A network that shares reports of stations heard on the bands
A group of antennas sharing one mast at a contest site
A type of multi-band amplifier
A list of banned stations
De nombreux opérateurs surveillent un « DX cluster » en trafiquant. Qu'est-ce qu'un DX cluster ?
Un réseau qui partage des signalements de stations entendues sur les bandes
Un groupe d'antennes partageant un mât sur un site de concours
Un type d'amplificateur multibande
Une liste de stations interdites

Why should you not call a DX station that has just been announced on a cluster without first listening?
You may not hear it; it may be working split or certain areas only
Announced stations are always false
Listening first is required only in contests
Calling blind is the fastest way to make the contact, so listening is not needed
Pourquoi ne pas appeler sans écouter une station DX qui vient d'être annoncée sur un cluster ?
Vous ne l'entendez peut-être pas ; elle est peut-être en split ou limitée à certaines régions
Les stations annoncées sont toujours fausses
Écouter d'abord n'est exigé qu'en concours
Appeler à l'aveugle est le plus rapide pour obtenir la liaison, l'écoute est inutile

What are operating awards, such as those for contacting many countries?
Certificates for confirmed contacts meeting the award's rules
Licences for higher power
Prizes given by the administration for good behaviour on the bands
Payments for relaying messages
Que sont les diplômes de trafic, comme ceux qui récompensent le contact de nombreux pays ?
Des certificats pour des liaisons confirmées conformes au règlement
Des licences pour une plus forte puissance
Des prix décernés par l'administration pour bonne conduite sur les bandes
Des rémunérations pour le relais de messages

What is field day or portable operation in the amateur sense?
Operating away from home, often on temporary power
Working only from a vehicle while driving on public roads
Operating a station from an airport
Repairing equipment outdoors
Qu'est-ce qu'une journée de trafic en portable au sens radioamateur ?
Trafiquer hors du domicile, souvent sur alimentation provisoire
Trafiquer uniquement depuis un véhicule en roulant sur la voie publique
Le trafic depuis un aéroport
La réparation du matériel en plein air
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11, S12]
