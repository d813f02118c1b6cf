"""Basic topic 1: regulations and licensing, in general international terms."""

from basic_util import parse
import basic_calc as c

TITLE = ("Regulations and licensing", "R\u00e9glementation et licences")

S01 = parse("""
Which organisation coordinates the use of the radio spectrum between countries worldwide?
The International Telecommunication Union (ITU)
The International Amateur Radio Union alone
The World Meteorological Organization
Each national amateur radio society
Quel organisme coordonne l'utilisation du spectre radioélectrique entre les pays du monde entier ?
L'Union internationale des télécommunications (UIT)
L'Union internationale des radioamateurs, seule
L'Organisation météorologique mondiale
Chaque association nationale de radioamateurs

What is the name of the international treaty text that allocates frequency bands to the radio services?
The Radio Regulations of the ITU
The amateur band plan of each club
The Telegraph Code of the national post office
The operating manual of the equipment maker
Comment s'appelle le texte de traité international qui attribue les bandes de fréquences aux services de radiocommunication ?
Le Règlement des radiocommunications de l'UIT
Le plan de bandes de chaque radio-club
Le code télégraphique de la poste nationale
Le manuel d'utilisation du fabricant de l'appareil

How are the international Radio Regulations revised from time to time?
By World Radiocommunication Conferences of the member states
By a vote of the licensed amateurs of each country
By the manufacturers of radio equipment
By the national police of each country
Comment le Règlement international des radiocommunications est-il révisé de temps à autre ?
Par les Conférences mondiales des radiocommunications des États membres
Par un vote des radioamateurs autorisés de chaque pays
Par les fabricants d'équipements radio
Par la police nationale de chaque pays

Who issues the amateur licence or authorisation that allows you to transmit?
The telecommunications administration of the country concerned
The ITU headquarters in Geneva, which issues one licence for every amateur in the world
The local amateur radio club
The manufacturer of the transmitter
Qui délivre la licence ou l'autorisation de radioamateur qui permet d'émettre ?
L'administration des télécommunications du pays concerné
Le siège de l'UIT à Genève, qui délivre une licence unique à chaque radioamateur du monde
Le radio-club local
Le fabricant de l'émetteur

In the international allocation tables, what does it mean when a band is allocated to a service on a secondary basis?
It must not disturb primary services and cannot claim protection from them
The service may use the band only on weekends
The service has priority over all other services in that band, even primary ones
The band may be used only for reception
Dans les tableaux d'attribution internationaux, que signifie l'attribution d'une bande à un service à titre secondaire ?
Il ne doit pas brouiller les services primaires et ne peut pas réclamer de protection contre eux
Le service ne peut utiliser la bande que le week-end
Le service est prioritaire sur tous les autres services de cette bande, même primaires
La bande ne peut servir qu'à la réception

An amateur band is shared, with amateurs on a secondary basis. A primary-service station causes interference to your contact. What should you do?
Accept it and move to a clear frequency
Increase power to overcome the primary station
Transmit on the primary station's frequency to make it move
Report the primary station to the administration for causing harmful interference to you
Une bande amateur est partagée, les amateurs y étant à titre secondaire. Une station d'un service primaire brouille votre liaison. Que faites-vous ?
Vous l'acceptez et changez de fréquence
Vous augmentez la puissance pour couvrir la station primaire
Vous émettez sur sa fréquence pour l'obliger à partir
Vous signalez la station primaire à l'administration pour brouillage préjudiciable

Where does an amateur find the bands, powers and modes allowed to him or her in a given country?
In the licence conditions set by that country's administration
Only in the ITU list of call-sign prefixes
In the catalogue of any radio equipment dealer
In the handbook of the nearest foreign radio society, which applies to all its neighbours
Où un radioamateur trouve-t-il les bandes, puissances et modes qui lui sont permis dans un pays donné ?
Dans les conditions de licence fixées par l'administration de ce pays
Uniquement dans la liste des préfixes d'indicatifs de l'UIT
Dans le catalogue de n'importe quel revendeur de matériel radio
Dans le manuel de l'association étrangère la plus proche, valable pour tous ses voisins

Why do amateur band plans divide a band into segments for CW, digital modes and telephony?
So that incompatible modes interfere less with each other
Because the law forbids any other arrangement in every country
So that each segment can be sold to a different user
To keep beginners out of the best frequencies
Pourquoi les plans de bandes amateurs divisent-ils une bande en segments pour la télégraphie, les modes numériques et la téléphonie ?
Pour que des modes incompatibles se gênent moins les uns les autres
Parce que la loi interdit toute autre répartition dans tous les pays
Pour que chaque segment puisse être vendu à un utilisateur différent
Pour écarter les débutants des meilleures fréquences

Which body usually draws up the voluntary band plans used by amateurs within an ITU region?
The regional union of national amateur societies
The World Health Organization
The International Civil Aviation Organization
Each equipment manufacturer, which programs its own radios with a band plan
Quel organisme établit en général les plans de bandes volontaires suivis par les radioamateurs dans une région de l'UIT ?
L'union régionale des associations nationales de radioamateurs
L'Organisation mondiale de la santé
L'Organisation de l'aviation civile internationale
Chaque fabricant, qui programme ses propres appareils avec un plan de bandes

What is the main purpose of international frequency allocation?
To let radio services work without interfering with each other
To fix the price of radio equipment in each country
To decide which amateur may contact which other amateur
To give broadcasters exclusive use of all HF bands, worldwide and at all hours
Quel est le but principal de l'attribution internationale des fréquences ?
Permettre aux services radio de fonctionner sans se brouiller
Fixer le prix des équipements radio dans chaque pays
Décider quel radioamateur peut contacter quel autre radioamateur
Donner aux radiodiffuseurs l'usage exclusif de toutes les bandes HF, partout et à toute heure
""")

S02 = parse("""
For the purposes of frequency allocation in its Radio Regulations, into how many regions does the ITU divide the world?
Three
Two
Four
Six
Pour l'attribution des fréquences dans son Règlement des radiocommunications, en combien de régions l'UIT divise-t-elle le monde ?
Trois
Deux
Quatre
Six

For frequency allocation, which ITU region covers Europe, Africa, the Middle East and the north of Asia?
Region 1
Region 2
Region 3
Region 4
Pour l'attribution des fréquences, quelle région de l'UIT couvre l'Europe, l'Afrique, le Moyen-Orient et le nord de l'Asie ?
La région 1
La région 2
La région 3
La région 4

For frequency allocation, which ITU region covers North and South America, including Greenland?
Region 2
Region 1
Region 3
Region 5
Pour l'attribution des fréquences, quelle région de l'UIT couvre l'Amérique du Nord et l'Amérique du Sud, Groenland compris ?
La région 2
La région 1
La région 3
La région 5

For frequency allocation, which ITU region covers most of Asia together with Australia and the islands of the western Pacific?
Region 3
Region 1
Region 2
Region 0
Pour l'attribution des fréquences, quelle région de l'UIT couvre la plus grande partie de l'Asie, l'Australie et les îles de l'ouest du Pacifique ?
La région 3
La région 1
La région 2
La région 0

Why can the limits of an amateur band differ between the ITU regions?
Each region has its own allocation table, shaped by the services used there
Because the speed of radio waves differs from one region to another
Because amateurs in each region use different units of frequency
They never differ; every band is identical worldwide
Pourquoi les limites d'une bande amateur peuvent-elles différer d'une région de l'UIT à l'autre ?
Chaque région a son propre tableau d'attribution, adapté aux services qui y sont exploités
Parce que la vitesse des ondes radio change d'une région à l'autre
Parce que les radioamateurs de chaque région utilisent d'autres unités de fréquence
Elles ne diffèrent jamais : chaque bande est identique dans le monde entier

When you operate near a regional boundary and work a station in another region, which allocation applies to your own transmission?
The allocation and rules in force where your station is located
The allocation of the region of the station you are working
Whichever allocation gives the widest band
No allocation applies to international contacts
Lorsque vous trafiquez près d'une limite de région avec une station d'une autre région, quelle attribution s'applique à votre propre émission ?
L'attribution et les règles en vigueur là où se trouve votre station
L'attribution de la région de la station contactée
L'attribution qui donne la bande la plus large
Aucune attribution ne s'applique aux liaisons internationales

In which of these bands does the amateur service have a worldwide allocation in all three ITU regions?
The 14.000 to 14.350 MHz band
The 88 to 108 MHz band
The 470 to 790 MHz band
The 108 to 118 MHz band
Dans laquelle de ces bandes le service d'amateur a-t-il une attribution mondiale dans les trois régions de l'UIT ?
La bande de 14,000 à 14,350 MHz
La bande de 88 à 108 MHz
La bande de 470 à 790 MHz
La bande de 108 à 118 MHz

Amateurs should know their neighbours in the spectrum. What is the main use of the 88 to 108 MHz band in every ITU region?
FM sound broadcasting
Amateur repeaters
Aeronautical radar
Satellite television downlinks
Un radioamateur doit connaître ses voisins dans le spectre. Quel est l'usage principal de la bande de 88 à 108 MHz dans toutes les régions de l'UIT ?
La radiodiffusion sonore en FM
Les relais radioamateurs
Les radars aéronautiques
Les liaisons descendantes de télévision par satellite

What does the term "amateur-satellite service" describe?
The use of amateur space stations on satellites for amateur purposes
A commercial service that sells time on its satellites to licensed amateurs
Any satellite that amateurs are able to receive
A broadcasting service run from satellites
Que désigne l'expression « service d'amateur par satellite » ?
L'emploi de stations spatiales d'amateur sur satellites à des fins d'amateur
Un service commercial qui vend du temps sur ses satellites aux radioamateurs autorisés
Tout satellite que les radioamateurs peuvent recevoir
Un service de radiodiffusion assuré depuis des satellites

Why do the international rules distinguish between a primary and a secondary allocation within the same band?
To settle which service must give way when two services share the band
To set different licence fees for the two services
To fix which service may use the higher power in each country
To decide which service may transmit at night
Pourquoi les règles internationales distinguent-elles une attribution primaire d'une attribution secondaire dans une même bande ?
Pour régler quel service doit s'effacer quand deux services partagent la bande
Pour fixer des redevances différentes aux deux services
Pour établir quel service peut employer la plus forte puissance dans chaque pays
Pour décider quel service peut émettre la nuit
""")

S03 = parse("""
According to the international definition, what is the amateur service for?
Self-training, intercommunication and technical study by authorised persons, without financial gain
Low-cost business communications for small firms and self-employed people, on shared channels
Broadcasting music and news to the general public
Backup communications for the police and the army
Selon la définition internationale, à quoi sert le service d'amateur ?
À l'instruction individuelle, l'intercommunication et les études techniques par des personnes autorisées, sans but lucratif
Aux communications professionnelles à bas prix des petites entreprises et des indépendants, sur des canaux partagés
À la diffusion de musique et d'informations au grand public
Aux liaisons de secours de la police et de l'armée

May a licensed amateur be paid for the messages he or she transmits over an amateur station?
No, the amateur service is without pecuniary interest
Yes, if the payment is below a small fixed amount
Yes, provided the customer is also licensed
Yes, on frequencies above 30 MHz only
Un radioamateur autorisé peut-il être payé pour les messages qu'il transmet depuis une station d'amateur ?
Non, le service d'amateur s'exerce sans intérêt pécuniaire
Oui, si la somme reste inférieure à un petit montant fixé
Oui, à condition que le client soit lui aussi autorisé
Oui, uniquement au-dessus de 30 MHz

Which of these activities fits the purpose of the amateur service?
Testing a home-made antenna by making contacts with other amateurs
Relaying a shop's orders to its suppliers when the telephone network is busy
Playing recorded music to entertain listeners
Sending advertisements for a friend's business
Laquelle de ces activités correspond à l'objet du service d'amateur ?
Essayer une antenne de fabrication personnelle en contactant d'autres radioamateurs
Transmettre les commandes d'un magasin à ses fournisseurs quand le réseau téléphonique est saturé
Diffuser de la musique enregistrée pour distraire les auditeurs
Émettre des publicités pour l'entreprise d'un ami

Why is an examination usually required before an amateur licence is issued?
To check that the candidate can operate safely without causing interference
To raise money for the administration
To reserve the bands for professional engineers and keep other people off the air
Because the ITU sets the questions for every country
Pourquoi un examen est-il généralement exigé avant la délivrance d'une licence de radioamateur ?
Pour vérifier que le candidat sait trafiquer en sécurité sans causer de brouillage
Pour procurer des recettes à l'administration
Pour réserver les bandes aux ingénieurs professionnels et écarter les autres personnes
Parce que l'UIT rédige les questions pour tous les pays

What distinguishes an amateur station from a station of the citizens band or other licence-free services?
The amateur holds a personal authorisation earned by showing knowledge
The amateur station may only use Morse code
Amateur stations can never transmit voice
Licence-free stations may use any power they like, while amateurs are limited to 1 W
Qu'est-ce qui distingue une station d'amateur d'une station de bande CB ou d'un autre service sans licence ?
Le radioamateur détient une autorisation personnelle obtenue en démontrant ses connaissances
La station d'amateur ne peut utiliser que la télégraphie
Les stations d'amateur ne peuvent jamais émettre en phonie
Les stations sans licence peuvent utiliser la puissance de leur choix, les radioamateurs étant limités à 1 W

Which kind of messages do the international rules expect between amateur stations of different countries?
Technical messages about tests, and remarks of a personal character
Commercial messages of general interest, such as prices and offers for the public
News bulletins intended for the public
Messages encoded to keep their content secret
Quels messages les règles internationales prévoient-elles entre stations d'amateur de pays différents ?
Des messages techniques sur les essais et des remarques d'ordre personnel
Des messages commerciaux d'intérêt général, comme des prix et des offres pour le public
Des bulletins d'information destinés au public
Des messages codés pour en garder le contenu secret

Which of these is a recognised benefit of the amateur service to society?
It trains skilled operators who can help in disasters
It provides free telephone calls for the public through amateur repeaters
It replaces the commercial broadcasting networks
It carries the traffic of government ministries
Lequel de ces apports du service d'amateur à la société est reconnu ?
Il forme des opérateurs compétents qui peuvent aider lors de catastrophes
Il offre au public des appels téléphoniques gratuits par les relais amateurs
Il remplace les réseaux commerciaux de radiodiffusion
Il achemine le trafic des ministères

A friend who holds no licence wants to talk on your station. Under most administrations, when is that possible?
Only where the rules allow it, with you in control and identifying the station
Whenever the friend uses a call sign of his or her own invention, given at each over
Never in any country, even with supervision
Only if the friend pays the licence fee for one day
Un ami non licencié veut parler depuis votre station. Pour la plupart des administrations, quand est-ce possible ?
Seulement si les règles le permettent, vous restant aux commandes et identifiant la station
Chaque fois que l'ami utilise un indicatif de son invention, donné à chaque passage
Jamais, dans aucun pays, même sous surveillance
Seulement si l'ami acquitte la redevance de licence pour la journée

Who is responsible for the proper operation of an amateur station?
The licence holder, or the licensed operator in charge of it
The manufacturer of the transceiver
The owner of the building where the antenna stands, as the landlord of the site
The ITU
Qui est responsable du bon fonctionnement d'une station d'amateur ?
Le titulaire de la licence, ou l'opérateur autorisé qui en a la charge
Le fabricant de l'émetteur-récepteur
Le propriétaire de l'immeuble où se trouve l'antenne, en tant que bailleur du site
L'UIT

What do the terms "amateur station" and "amateur operator" each refer to?
The installation of transmitting equipment, and the authorised person who operates it
The same thing; the two terms are interchangeable
A club station, and any member of the club
A receiver used for listening, and a person who listens to the bands without a licence
Que désignent respectivement les termes « station d'amateur » et « opérateur radioamateur » ?
L'installation d'émission, et la personne autorisée qui l'exploite
La même chose ; les deux termes sont interchangeables
Une station de radio-club, et tout membre du club
Un récepteur d'écoute, et une personne qui écoute les bandes sans licence
""")

S04 = parse("""
From what are the first characters of every amateur call sign taken?
From the prefix block given by the ITU to the issuing country
From the initials of the licence holder
From the postcode of the station address
From the serial number printed on the licence document when it is issued
D'où proviennent les premiers caractères de tout indicatif d'appel d'amateur ?
Du bloc de préfixes attribué par l'UIT au pays émetteur
Des initiales du titulaire de la licence
Du code postal de l'adresse de la station
Du numéro de série imprimé sur le document de licence à sa délivrance

What is the usual structure of an amateur call sign?
A prefix, a digit, then a suffix of up to four characters ending in a letter
Six digits followed by the holder's initials
Two letters only, chosen freely by the holder, followed by the year of the licence
A group of five figures issued at random
Quelle est la structure habituelle d'un indicatif d'appel d'amateur ?
Un préfixe, un chiffre, puis un suffixe de quatre caractères au plus finissant par une lettre
Six chiffres suivis des initiales du titulaire
Deux lettres seulement, choisies librement par le titulaire, suivies de l'année de la licence
Un groupe de cinq chiffres tiré au hasard

In a call sign such as XY3ABC, what do the letters "ABC" after the digit form?
The suffix, which tells stations of the same prefix apart
The prefix, which shows the country
The number of the ITU region
The licence class of the operator in every country
Dans un indicatif comme XY3ABC, que forment les lettres « ABC » placées après le chiffre ?
Le suffixe, qui distingue les stations d'un même préfixe
Le préfixe, qui indique le pays
Le numéro de la région de l'UIT
La classe de licence de l'opérateur, dans tous les pays

How can a listener tell which country a station is in from its call sign alone?
By the prefix, as prefixes are allocated by country
By the last letter of the suffix
By the number of characters in the call sign, which differs for each country
It cannot be told from the call sign
Comment un écouteur peut-il savoir dans quel pays se trouve une station, d'après son seul indicatif ?
Par le préfixe, les préfixes étant attribués par pays
Par la dernière lettre du suffixe
Par le nombre de caractères de l'indicatif, différent pour chaque pays
On ne peut pas le savoir d'après l'indicatif

What does the suffix "/P" added to a call sign usually mean?
The station is operating portable, away from its usual address
The station is a permanent club station
The operator is a beginner with a provisional licence
The station is using low power
Que signifie généralement le suffixe « /P » ajouté à un indicatif ?
La station est exploitée en portable, hors de son adresse habituelle
La station est une station de club permanente
L'opérateur est un débutant titulaire d'une licence provisoire
La station utilise une faible puissance

What does the suffix "/M" added to a call sign usually indicate?
The station is operating mobile, from a land vehicle
The station is operating from a ship at sea
The station is a military station
The station transmits only Morse code
Qu'indique généralement le suffixe « /M » ajouté à un indicatif ?
La station est exploitée en mobile, depuis un véhicule terrestre
La station est exploitée depuis un navire en mer
La station est une station militaire
La station n'émet qu'en télégraphie Morse

What does the suffix "/MM" added to a call sign indicate?
Maritime mobile: the station is aboard a ship at sea
Operation from a mountain summit above a set height
Operation with two transmitters at once
A station of a military museum
Qu'indique le suffixe « /MM » ajouté à un indicatif ?
Mobile maritime : la station est à bord d'un navire en mer
Un trafic depuis un sommet de montagne au-dessus d'une altitude fixée
Un trafic avec deux émetteurs à la fois
Une station de musée militaire

Why do administrations sometimes issue special event call signs with unusual prefixes or long suffixes?
To mark an occasion such as an anniversary or a large gathering
To identify stations that have broken the rules
To hide the location of the station
To allow the station to use commercial frequencies during the event and for a week after
Pourquoi les administrations attribuent-elles parfois des indicatifs spéciaux à préfixe inhabituel ou à long suffixe ?
Pour marquer une occasion comme un anniversaire ou un grand rassemblement
Pour désigner les stations ayant enfreint les règles
Pour cacher l'emplacement de la station
Pour permettre à la station d'utiliser des fréquences commerciales pendant l'événement et la semaine suivante

When you operate in another country under an agreement that allows it, how is your call sign normally formed?
The host country's prefix is added before your own call sign, separated by a stroke
Your own call sign is used unchanged
You invent a new call sign from the host country's prefix and your initials
You add the name of the host country after your call sign
Lorsque vous trafiquez dans un autre pays grâce à un accord qui le permet, comment votre indicatif est-il normalement formé ?
Le préfixe du pays hôte est placé devant votre propre indicatif, suivi d'une barre oblique
Vous utilisez votre indicatif sans changement
Vous inventez un nouvel indicatif à partir du préfixe du pays hôte et de vos initiales
Vous ajoutez le nom du pays hôte après votre indicatif

May an amateur lend his or her personal call sign to another licensed amateur for use at a different station?
No, a call sign identifies the holder's own station
Yes, for up to one week
Yes, if both amateurs live in the same town
Yes, whenever the other amateur has lost his own licence or is waiting for one
Un radioamateur peut-il prêter son indicatif personnel à un autre radioamateur pour une autre station ?
Non, un indicatif identifie la station de son titulaire
Oui, pour une semaine au maximum
Oui, si les deux radioamateurs habitent la même ville
Oui, chaque fois que l'autre a perdu sa licence ou en attend une
""")

S05 = parse("""
Why must an amateur station identify itself?
So that other stations and the authorities know who is transmitting
So that the transmitter warms up correctly
To keep the frequency busy between overs
Because identification increases the range of the signal
Pourquoi une station d'amateur doit-elle s'identifier ?
Pour que les autres stations et les autorités sachent qui émet
Pour que l'émetteur chauffe correctement
Pour occuper la fréquence entre les passages
Parce que l'identification augmente la portée du signal

When should an amateur station transmit its call sign during a contact?
At the start and end of a contact and at the required intervals
Only when the other station asks for it
Once a day, at the start of the first contact, which covers all later contacts
Only during contests
Quand une station d'amateur doit-elle transmettre son indicatif pendant une liaison ?
Au début et à la fin d'une liaison, et aux intervalles exigés
Seulement quand l'autre station le demande
Une fois par jour, au début de la première liaison, ce qui couvre les suivantes
Seulement pendant les concours

What is wrong with transmitting a test carrier for several minutes without identifying?
It is unidentified, and a long test may interfere with others
Nothing, tests never need to be identified
It will damage the antenna
Nothing, provided the carrier is weak enough to be inaudible beyond the garden
Qu'y a-t-il d'anormal à émettre une porteuse d'essai pendant plusieurs minutes sans s'identifier ?
Elle n'est pas identifiée, et un long essai peut gêner les autres
Rien, les essais n'ont jamais besoin d'être identifiés
Cela endommagera l'antenne
Rien, pourvu que la porteuse soit trop faible pour être entendue au-delà du jardin

Which languages or modes may be used to give your call sign?
Any permitted mode that others can understand, such as voice or Morse
Only Morse code
Only a written form sent by post
Only the international phonetic alphabet in English, on every mode
Dans quelles langues ou quels modes pouvez-vous donner votre indicatif ?
Tout mode autorisé que les autres comprennent, comme la phonie ou le Morse
Uniquement en télégraphie Morse
Uniquement sous forme écrite envoyée par la poste
Uniquement avec l'alphabet phonétique international en anglais, dans tous les modes

How should you identify when you call another station by voice?
Its call sign, then "this is" and your own call sign
Give only your first name
Give only the other station's call sign
Give your own call sign at least ten times before saying anything else
Comment vous identifiez-vous quand vous appelez une autre station en phonie ?
Son indicatif, puis « ici » et votre propre indicatif
Votre prénom seulement
L'indicatif de l'autre station seulement
Votre indicatif répété au moins dix fois avant de dire quoi que ce soit

What is a station that transmits without identifying itself usually called by amateurs?
A pirate or unidentified station
A beacon, sending its signal continuously for propagation studies
A repeater
A contest station
Comment les radioamateurs appellent-ils généralement une station qui émet sans s'identifier ?
Une station pirate ou non identifiée
Une balise, qui émet en continu pour l'étude de la propagation
Un relais
Une station de concours

Why is the phonetic alphabet recommended when you give your call sign by voice under poor conditions?
Standard spelling words are less likely to be misheard
It makes the transmission shorter
It is required for every word of the contact, not only for the call sign
It reduces the bandwidth of the signal
Pourquoi l'alphabet phonétique est-il recommandé pour donner son indicatif en phonie quand les conditions sont mauvaises ?
Les mots d'épellation normalisés risquent moins d'être mal compris
Il raccourcit l'émission
Il est obligatoire pour chaque mot de la liaison, pas seulement pour l'indicatif
Il réduit la largeur de bande du signal

When an automatic station such as a beacon or repeater is on the air, how does it usually identify?
It sends its call sign automatically at regular intervals
It does not identify, being unattended
Its owner reads the call sign aloud over the air once a month from home
It sends the name of the town where it stands
Quand une station automatique comme une balise ou un relais est en service, comment s'identifie-t-elle généralement ?
Elle transmet automatiquement son indicatif à intervalles réguliers
Elle ne s'identifie pas, puisqu'elle fonctionne sans opérateur
Son propriétaire lit l'indicatif à voix haute sur l'air une fois par mois, de chez lui
Elle transmet le nom de la ville où elle se trouve

During a long conversation between two stations, what must both operators keep doing?
Give their call signs at the required intervals
Nothing more once they have identified once
Change frequency every five minutes
Send a report of signal strength every minute so the contact stays valid
Au cours d'une longue conversation entre deux stations, que doivent continuer à faire les deux opérateurs ?
Donner leurs indicatifs aux intervalles exigés
Plus rien, après s'être identifiés une fois
Changer de fréquence toutes les cinq minutes
Donner un report de force du signal chaque minute pour que la liaison reste valable

A digital-mode contact is made with a computer program. How is the station identified?
The call sign is sent within the digital transmission itself
It need not be identified, because a computer is operating
By a separate voice announcement once a day
By showing the call sign on the computer screen, where the other operator can read it
Une liaison en mode numérique est faite avec un logiciel. Comment la station est-elle identifiée ?
L'indicatif est transmis dans l'émission numérique elle-même
Elle n'a pas à l'être, puisqu'un ordinateur est aux commandes
Par une annonce vocale séparée une fois par jour
En affichant l'indicatif sur l'écran de l'ordinateur, où l'autre opérateur peut le lire
""")

S06 = parse("""
What should you do with your licence document?
Keep it valid and available, and comply with all of its conditions
Display a copy on the air at the start of each contact
Send a copy to every station you contact
Nothing; once issued it can be forgotten
Que devez-vous faire de votre document de licence ?
Le garder valide et disponible, et en respecter toutes les conditions
En lire une copie sur l'air au début de chaque liaison
En envoyer une copie à chaque station contactée
Rien ; une fois délivré, on peut l'oublier

What must you do if your postal address or station location changes?
Inform the administration as the licence conditions require
Nothing at all, since the call sign and the licence number stay the same
Change your call sign yourself
Stop transmitting for one year
Que devez-vous faire si votre adresse postale ou l'emplacement de votre station change ?
En informer l'administration comme l'exigent les conditions de la licence
Rien du tout, puisque l'indicatif et le numéro de licence restent les mêmes
Changer vous-même d'indicatif
Cesser d'émettre pendant un an

Which international arrangement lets amateurs from many countries operate temporarily in other member countries without a new licence?
A multilateral agreement such as the CEPT licence recommendation
The ITU list of call-sign prefixes, which makes every licence valid in every country
The international phonetic alphabet
Any contest rulebook
Quel accord international permet aux radioamateurs de nombreux pays de trafiquer temporairement dans d'autres pays membres sans nouvelle licence ?
Un accord multilatéral comme la recommandation CEPT sur la licence
La liste des préfixes d'indicatifs de l'UIT, qui rend chaque licence valable partout
L'alphabet phonétique international
Le règlement de n'importe quel concours

When you operate abroad under a reciprocal arrangement, whose rules must you follow?
Those of the host country, within the privileges it grants
The rules of your home country only
Whichever rules are most generous of the two countries, band by band
No rules, since you are a visitor
Quand vous trafiquez à l'étranger dans le cadre d'un accord de réciprocité, quelles règles devez-vous suivre ?
Celles du pays hôte, dans la limite des privilèges accordés
Seulement celles de votre pays
Les plus favorables des deux pays, bande par bande
Aucune, puisque vous êtes de passage

Before taking a transceiver to another country to transmit, what should you check first?
Whether that country recognises your licence, and on what terms
Only that the transceiver runs from the local mains voltage and plug type
Whether amateurs there speak your language
Nothing; an amateur licence is valid everywhere
Avant d'emporter un émetteur-récepteur dans un autre pays pour y émettre, que devez-vous vérifier d'abord ?
Si ce pays reconnaît votre licence, et à quelles conditions
Seulement que l'appareil accepte la tension et les prises du secteur local
Si les radioamateurs de là-bas parlent votre langue
Rien ; une licence de radioamateur est valable partout

Why do many administrations have more than one class of amateur licence?
So that privileges can grow with the operator's proven knowledge
So that older amateurs pay lower fees
To limit each class to one mode only
Because the ITU requires exactly three licence classes in every member country
Pourquoi de nombreuses administrations ont-elles plusieurs classes de licence de radioamateur ?
Pour que les privilèges suivent les connaissances démontrées de l'opérateur
Pour que les radioamateurs âgés paient moins
Pour limiter chaque classe à un seul mode
Parce que l'UIT impose exactement trois classes de licence dans chaque pays membre

What may the administration do if it finds that an amateur station causes serious interference?
Require the transmissions to stop or change until the fault is corrected
Nothing, since amateurs have priority on every band
Only send a letter of advice, which the amateur is free to ignore
Move the amateur band to another frequency
Que peut faire l'administration si elle constate qu'une station d'amateur cause un brouillage grave ?
Exiger l'arrêt ou la modification des émissions jusqu'à correction du défaut
Rien, puisque les radioamateurs ont priorité sur toutes les bandes
Seulement envoyer un courrier de conseil, que le radioamateur peut ignorer
Déplacer la bande amateur sur une autre fréquence

Why are representatives of the administration allowed to inspect an amateur station?
To check that the station complies with the licence conditions
To test the operator's Morse speed and renew the licence class accordingly
To collect equipment for their own use
To measure the height of the house
Pourquoi des représentants de l'administration peuvent-ils inspecter une station d'amateur ?
Pour vérifier que la station respecte les conditions de la licence
Pour contrôler la vitesse de Morse de l'opérateur et ajuster sa classe de licence
Pour emporter du matériel à leur usage
Pour mesurer la hauteur de la maison

A radio club holds a club station licence. Who may operate the club station?
Licensed operators, as the club licence allows
Any visitor to the club, licensed or not, at any time
Only the person who founded the club
Nobody, a club licence is only for receiving
Un radio-club détient une licence de station de club. Qui peut exploiter cette station ?
Les opérateurs autorisés, comme le prévoit la licence du club
Tout visiteur du club, autorisé ou non, à tout moment
Seulement le fondateur du club
Personne, une licence de club ne sert qu'à la réception

Your licence has expired because you forgot to renew it. May you keep transmitting until the renewal arrives?
No, only while you hold a valid authorisation
Yes, for up to one year after the expiry date, as a period of grace
Yes, provided you use low power
Yes, if you add "/X" to your call sign
Votre licence a expiré parce que vous avez oublié de la renouveler. Pouvez-vous continuer d'émettre en attendant le renouvellement ?
Non, seulement avec une autorisation valide
Oui, jusqu'à un an après la date d'expiration, à titre de délai de grâce
Oui, à condition d'utiliser une faible puissance
Oui, si vous ajoutez « /X » à votre indicatif
""")

S07 = parse("""
Why are messages encoded to hide their meaning not allowed between amateur stations of different countries?
Amateur traffic must be open, so anyone can check it
Because codes take up too much bandwidth
Because no amateur can decode them
They are allowed, provided the key to the code is sent to the other station by post
Pourquoi les messages codés pour en cacher le sens sont-ils interdits entre stations d'amateur de pays différents ?
Le trafic amateur doit être clair, pour que chacun puisse le vérifier
Parce que les codes occupent trop de largeur de bande
Parce qu'aucun radioamateur ne peut les décoder
Ils sont permis, pourvu que la clé du code soit envoyée par la poste à l'autre station

Which exception to the ban on hiding the meaning of messages is widely accepted in amateur rules?
Control signals to amateur space stations
Messages about the stock market
Messages in a language the other station does not speak
Private business arrangements between friends
Quelle exception à l'interdiction de cacher le sens des messages est largement admise par les règles amateurs ?
Les télécommandes vers les stations spatiales d'amateur
Les messages sur la bourse
Les messages dans une langue que l'autre station ne parle pas
Les arrangements commerciaux privés entre amis

Are recognised digital modes such as RTTY or PSK, whose specifications are published, a way of hiding the meaning of a message?
No, their coding is public and anyone can decode them
Yes, every digital mode is a secret code
Yes, unless the message is also sent in Morse
Only when they are sent at night
Les modes numériques reconnus, comme le RTTY ou le PSK, dont les spécifications sont publiées, servent-ils à cacher le sens d'un message ?
Non, leur codage est public et chacun peut les décoder
Oui, tout mode numérique est un code secret
Oui, sauf si le message est aussi transmis en Morse
Seulement lorsqu'ils sont émis la nuit

Why is it not permitted for an amateur station to broadcast?
Broadcasting to the public is a separate service with its own bands
Because amateur transmitters are not strong enough
Because it wastes electricity
It is permitted, provided there is no music and the programme is for amateurs
Pourquoi une station d'amateur n'a-t-elle pas le droit de faire de la radiodiffusion ?
La radiodiffusion au public est un service distinct, avec ses bandes
Parce que les émetteurs amateurs ne sont pas assez puissants
Parce que cela gaspille de l'électricité
C'est permis s'il n'y a pas de musique et si le programme vise les radioamateurs

May you transmit music on an amateur band to entertain other amateurs?
No, music for entertainment is not amateur communication
Yes, if it lasts less than ten minutes
Yes, on any band above 30 MHz
Yes, provided you own the recording and announce its title and performer
Pouvez-vous émettre de la musique sur une bande amateur pour divertir d'autres radioamateurs ?
Non, la musique de divertissement n'est pas une communication d'amateur
Oui, si cela dure moins de dix minutes
Oui, sur toute bande au-dessus de 30 MHz
Oui, si vous possédez l'enregistrement et annoncez son titre et son interprète

Which of these is a proper use of an amateur station?
Exchanging reports and technical information with another amateur
Taking orders for your employer's products from customers who are amateurs
Transmitting a paid advertisement
Relaying commercial radio programmes
Lequel de ces usages d'une station d'amateur est correct ?
Échanger reports et informations techniques avec un autre radioamateur
Prendre des commandes pour les produits de votre employeur auprès de clients radioamateurs
Émettre une publicité payée
Relayer des programmes de radio commerciale

Why should you avoid obscene or offensive language on the amateur bands?
Anyone may be listening, and it breaks the rules and good practice
Because such language is harder to understand in poor conditions and noise
It is allowed after midnight
Because it raises the SWR
Pourquoi faut-il éviter un langage obscène ou injurieux sur les bandes amateurs ?
Tout le monde peut écouter, et c'est contraire aux règles et aux usages
Parce qu'un tel langage est plus difficile à comprendre dans le bruit et les mauvaises conditions
C'est permis après minuit
Parce qu'il fait monter le ROS

What is meant by "false or deceptive signals", which amateurs must never send?
Misleading transmissions, such as a false distress call or another's call sign
Signals that are weaker than normal because of a faulty or badly tuned antenna
Signals sent on an unusual mode
Any signal sent during a contest
Qu'entend-on par « signaux faux ou trompeurs », qu'un radioamateur ne doit jamais émettre ?
Des émissions trompeuses, comme un faux appel de détresse ou l'indicatif d'un autre
Des signaux plus faibles que la normale à cause d'une antenne défectueuse ou mal réglée
Des signaux émis dans un mode inhabituel
Tout signal émis pendant un concours

May an amateur station transmit deliberately to disturb another station's contact?
No, deliberate interference is forbidden
Yes, if the other station is a newcomer
Yes, on a frequency you use often, to remind others that you were there first
Yes, if the other station is using more power
Une station d'amateur peut-elle émettre volontairement pour perturber la liaison d'une autre station ?
Non, le brouillage volontaire est interdit
Oui, si l'autre station est un nouveau venu
Oui, sur une fréquence que vous utilisez souvent, pour rappeler que vous étiez là avant
Oui, si l'autre station emploie plus de puissance

A local firm asks you to keep its delivery vans in touch by amateur radio. What should you answer?
No: business communications are outside the amateur service
Yes, if the drivers are licensed too and give their call signs
Yes, but only on repeaters
Yes, if the firm pays your licence fee
Une entreprise locale vous demande d'assurer la liaison avec ses camionnettes de livraison par radio amateur. Que répondez-vous ?
Non : les communications professionnelles sortent du service d'amateur
Oui, si les chauffeurs sont aussi autorisés et donnent leurs indicatifs
Oui, mais uniquement par les relais
Oui, si l'entreprise paie votre redevance
""")

S08 = parse("""
What is third-party traffic in amateur radio?
A message passed by an amateur on behalf of a non-amateur
Any contact involving three stations at once, for example in a round table
A message relayed through a repeater
A contact between two clubs
Qu'appelle-t-on trafic pour le compte de tiers en radioamateur ?
Un message transmis par un radioamateur pour le compte d'un non-radioamateur
Toute liaison réunissant trois stations à la fois, par exemple en table ronde
Un message relayé par un relais
Une liaison entre deux radio-clubs

Under the international rules, when may amateur stations carry international traffic on behalf of third parties?
In emergencies and disaster relief, or where the countries have agreed
At any time, provided the message is short and of a personal nature
Only between club stations
Never, in any circumstances
Selon les règles internationales, quand les stations d'amateur peuvent-elles acheminer du trafic international pour le compte de tiers ?
En cas d'urgence et de catastrophe, ou si les pays l'ont accepté
À tout moment, pourvu que le message soit court et d'ordre personnel
Seulement entre stations de radio-club
Jamais, en aucune circonstance

Before passing a greeting from a visitor to a station abroad, what must you know?
Whether both countries allow third-party messages between them
The visitor's date of birth
The exact distance to the other station, since greetings are limited by range
The brand of the other station's transceiver
Avant de transmettre les salutations d'un visiteur à une station étrangère, que devez-vous savoir ?
Si les deux pays autorisent entre eux les messages pour des tiers
La date de naissance du visiteur
La distance exacte jusqu'à l'autre station, car les salutations sont limitées en portée
La marque de l'émetteur-récepteur de l'autre station

Who remains responsible when a third party speaks over your station, where that is permitted?
You, as the licensed control operator
The third party alone
The station at the other end
Nobody, since the third party is unlicensed
Qui reste responsable quand un tiers parle depuis votre station, lorsque c'est permis ?
Vous, en tant qu'opérateur autorisé qui contrôle la station
Le tiers seul
La station correspondante
Personne, puisque le tiers n'est pas autorisé

Which kind of third-party message would never be acceptable, even where third-party traffic is allowed?
A message about business on which someone is paid
A personal greeting to a family member
A message about the weather at your station
A message of thanks for a QSL card
Quel genre de message pour un tiers ne serait jamais acceptable, même là où ce trafic est permis ?
Un message d'affaires pour lequel quelqu'un est rémunéré
Une salutation personnelle à un membre de la famille
Un message sur la météo à votre station
Un message de remerciement pour une carte QSL

Why do some countries not allow third-party traffic with other countries?
To protect public telecommunications and keep amateur radio non-commercial
Because third-party traffic needs too much power
Because their receivers cannot decode it
Because the ITU forbids all such traffic everywhere, except between club stations
Pourquoi certains pays n'autorisent-ils pas le trafic pour des tiers avec d'autres pays ?
Pour protéger les télécommunications publiques et garder au radioamateur son caractère non commercial
Parce que ce trafic exige trop de puissance
Parce que leurs récepteurs ne peuvent pas le décoder
Parce que l'UIT interdit partout ce trafic, sauf entre stations de radio-club

A group of students visits your station during a school event. Where the rules allow them to speak on the air, what must you do?
Stay at the controls, keep the messages suitable, and identify the station
Leave them alone at the station so they learn faster
Let each student use his or her own name as a call sign
Switch off the station identification to save time, since the event is short
Un groupe d'élèves visite votre station lors d'une manifestation scolaire. Quand les règles leur permettent de parler sur l'air, que devez-vous faire ?
Rester aux commandes, veiller aux messages et identifier la station
Les laisser seuls à la station pour qu'ils apprennent plus vite
Laisser chaque élève utiliser son prénom comme indicatif
Supprimer l'identification de la station pour gagner du temps, l'événement étant court

In a disaster, relief workers ask you to pass lists of needed supplies to another country. Why is this normally allowed?
Third-party traffic is permitted in emergencies and disaster relief
Because relief workers are exempt from every rule, including the licence
It is allowed only if you charge a fee
It is never allowed, even in a disaster
Lors d'une catastrophe, des secouristes vous demandent de transmettre des listes de fournitures vers un autre pays. Pourquoi est-ce normalement permis ?
Le trafic pour des tiers est permis en cas d'urgence et de catastrophe
Parce que les secouristes sont dispensés de toute règle, y compris la licence
Ce n'est permis que si vous faites payer
Ce n'est jamais permis, même en cas de catastrophe

What is a "net" in amateur radio?
Stations meeting on a frequency at set times, often run by a net control station
A metal screen around the antenna
A list of licensed amateurs published each year by the administration
A filter that removes noise from the audio
Qu'est-ce qu'un « réseau » (net) en radioamateur ?
Des stations se réunissant sur une fréquence à heures fixes, souvent sous une station directrice
Un grillage métallique autour de l'antenne
Une liste des radioamateurs autorisés publiée chaque année par l'administration
Un filtre qui supprime le bruit de l'audio
""")

S09 = parse("""
Which signal, used by voice, is the international radiotelephone distress signal for a grave and imminent danger?
MAYDAY, spoken three times
PAN PAN, spoken once
SECURITE, spoken twice
CQ CQ CQ
Quel signal, utilisé en phonie, est le signal international de détresse en radiotéléphonie pour un danger grave et imminent ?
MAYDAY, prononcé trois fois
PAN PAN, prononcé une fois
SÉCURITÉ, prononcé deux fois
CQ CQ CQ

What is the international distress signal in Morse code?
SOS, sent as one signal without gaps
CQD, sent slowly three times
TTT, sent continuously until another station replies
QRT followed by the call sign
Quel est le signal international de détresse en code Morse ?
SOS, émis comme un seul signal, sans espaces
CQD, émis lentement trois fois
TTT, émis en continu jusqu'à ce qu'une station réponde
QRT suivi de l'indicatif

What does the spoken signal PAN PAN announce?
An urgent message about safety, less serious than distress
A routine weather report
The end of a contest
A change of frequency for all the stations of an emergency net
Qu'annonce le signal vocal PAN PAN ?
Un message urgent de sécurité, moins grave que la détresse
Un bulletin météorologique de routine
La fin d'un concours
Un changement de fréquence pour toutes les stations d'un réseau d'urgence

You hear a distress call that nobody seems to answer. What should you do?
Note the details, answer if you can, and alert the emergency services
Ignore it, since it is not an amateur matter
Call CQ on the same frequency, so that other amateurs can find help
Change band to avoid the interference
Vous entendez un appel de détresse auquel personne ne semble répondre. Que faites-vous ?
Noter les détails, répondre si possible et alerter les secours
L'ignorer, ce n'est pas une affaire de radioamateur
Lancer appel général sur la même fréquence pour que d'autres trouvent de l'aide
Changer de bande pour éviter la gêne

What information should you write down first when you copy a distress call?
Who is calling, the position, the nature of the emergency and the time
Only the signal report, so that you can tell the station how it is heard
The transmitter power of the station
The mode and the antenna used
Quelles informations notez-vous en premier en recevant un appel de détresse ?
Qui appelle, la position, la nature de la détresse et l'heure
Seulement le report, pour dire à la station comment elle est reçue
La puissance de l'émetteur de la station
Le mode et l'antenne utilisés

What priority does emergency traffic have on an amateur frequency?
It takes precedence over all other traffic on that frequency
It must wait until the current contact has ended
It may only be sent on a repeater
It has the same priority as a contest
Quelle priorité le trafic d'urgence a-t-il sur une fréquence amateur ?
Il passe avant tout autre trafic sur cette fréquence
Il doit attendre la fin de la liaison en cours
Il ne peut passer que par un relais
Il a la même priorité qu'un concours

An emergency net is active on a frequency you wanted to use. What should you do?
Keep clear unless you have emergency traffic or can help
Call CQ at the edge of the net's signal
Ask the net to move elsewhere, since you had been using that frequency first
Join in to test your new antenna
Un réseau d'urgence est actif sur une fréquence que vous vouliez utiliser. Que faites-vous ?
Vous libérez la fréquence, sauf trafic d'urgence ou aide possible
Vous lancez un appel général au bord du signal du réseau
Vous demandez au réseau d'aller ailleurs, puisque vous utilisiez la fréquence avant lui
Vous vous joignez au réseau pour essayer votre nouvelle antenne

Why do amateur emergency groups hold regular training exercises?
So that operators and equipment are ready when a real emergency comes
Because the law requires a weekly exercise for every amateur, in every country
To win contest points
To test the patience of the emergency services
Pourquoi les groupes de radioamateurs d'urgence organisent-ils des exercices réguliers ?
Pour que opérateurs et matériel soient prêts le jour d'une vraie urgence
Parce que la loi impose un exercice hebdomadaire à chaque radioamateur, dans tous les pays
Pour gagner des points de concours
Pour éprouver la patience des services de secours

In an emergency where life is at immediate risk and no other means exist, which principle is generally accepted for amateurs?
Any means of radiocommunication may be used to call for help
Only the amateur bands may be used, whatever happens
A licence is always needed to transmit a call for help
Only Morse code may be used
Dans une urgence où une vie est immédiatement en danger et sans autre moyen, quel principe est généralement admis pour les radioamateurs ?
Tout moyen de radiocommunication peut être utilisé pour appeler au secours
Seules les bandes amateurs peuvent servir, quoi qu'il arrive
Une licence est toujours nécessaire pour appeler au secours
Seule la télégraphie peut être employée

How should a message in an emergency net be passed?
Exactly as received, word for word
In your own words, to make it shorter
Only the parts you find important
After checking it with the sender's family and correcting any mistakes
Comment faut-il transmettre un message dans un réseau d'urgence ?
Exactement tel que reçu, mot pour mot
Avec vos propres mots, pour le raccourcir
Seulement les parties que vous jugez importantes
Après l'avoir vérifié auprès de la famille de l'expéditeur et corrigé ses erreurs
""")

S10 = parse("""
In ITU emission designators, what kind of emission is A1A?
Morse telegraphy by on-off keying of a carrier
Double-sideband amplitude-modulated telephony with a full carrier
Frequency-modulated telephony
Single-sideband telephony with suppressed carrier
Dans les désignations d'émission de l'UIT, quel genre d'émission est A1A ?
Télégraphie Morse par manipulation tout ou rien d'une porteuse
Téléphonie à modulation d'amplitude, deux bandes latérales et porteuse complète
Téléphonie à modulation de fréquence
Téléphonie en bande latérale unique à porteuse supprimée

In the ITU system of emission designators, which designator describes single-sideband telephony with a suppressed carrier, the usual HF voice mode?
J3E
A3E
F3E
A1A
Dans le système de désignation des émissions de l'UIT, quelle désignation correspond à la téléphonie en bande latérale unique à porteuse supprimée, mode habituel de la phonie en HF ?
J3E
A3E
F3E
A1A

In the ITU system of emission designators, which one describes frequency-modulated telephony, as used on most VHF repeaters?
F3E
J3E
A3E
A1A
Dans le système de désignation des émissions de l'UIT, laquelle correspond à la téléphonie à modulation de fréquence, utilisée sur la plupart des relais VHF ?
F3E
J3E
A3E
A1A

In the ITU system of emission designators, which one describes double-sideband amplitude-modulated telephony with a full carrier, as used by broadcasters?
A3E
J3E
F3E
F1B
Dans le système de désignation des émissions de l'UIT, laquelle correspond à la téléphonie à modulation d'amplitude à deux bandes latérales et porteuse complète, comme en radiodiffusion ?
A3E
J3E
F3E
F1B

Why must you keep your whole signal, not just the displayed frequency, inside the band?
All of the emission, sidebands included, must stay within the band
Because the display always shows a wrong frequency
Only the carrier frequency counts; the sidebands are ignored by the rules
Because sidebands are only heard by the administration
Pourquoi votre signal entier, et pas seulement la fréquence affichée, doit-il rester dans la bande ?
Toute l'émission, bandes latérales comprises, doit rester dans la bande
Parce que l'affichage indique toujours une fréquence fausse
Seule la fréquence de la porteuse compte ; les règles ignorent les bandes latérales
Parce que seules les autorités entendent les bandes latérales

Which of these modes occupies the narrowest bandwidth, and so suits a crowded band or weak signals best?
CW (Morse telegraphy)
Single-sideband telephony
FM telephony
Amateur television
Lequel de ces modes occupe la plus faible largeur de bande, et convient donc le mieux à une bande encombrée ou aux signaux faibles ?
La télégraphie Morse (CW)
La téléphonie en bande latérale unique
La téléphonie FM
La télévision d'amateur
""") + c.ssb_edge([
    (14347, "2.8", "usb"), (7100, 3, "lsb"), (21447, "2.9", "usb"),
])

S11 = parse("""
What is meant by harmful interference?
Interference that endangers, seriously degrades or repeatedly interrupts a radio service
Any signal that can be heard on an adjacent frequency, however weak it may be
Noise from a thunderstorm
A weak signal that fades in and out
Qu'entend-on par brouillage préjudiciable ?
Un brouillage qui compromet, dégrade gravement ou interrompt de façon répétée un service
Tout signal audible sur une fréquence voisine, aussi faible soit-il
Le bruit d'un orage
Un signal faible qui apparaît et disparaît

What are spurious emissions?
Emissions outside the necessary bandwidth, such as harmonics
The wanted sidebands of an SSB signal
The carrier of an AM transmitter
Signals from distant stations heard by skip on frequencies outside the band
Que sont les rayonnements non essentiels ?
Des émissions hors de la largeur de bande nécessaire, comme les harmoniques
Les bandes latérales utiles d'un signal BLU
La porteuse d'un émetteur AM
Des signaux de stations lointaines reçus par bond sur des fréquences hors bande

Why must an amateur keep spurious emissions of his or her transmitter as low as possible?
They can interfere with other services outside the amateur bands
They increase the range of the signal too much
They make the transmitter run too cool
They are needed for the receiver to work, and too many overload it
Pourquoi un radioamateur doit-il réduire au minimum les rayonnements non essentiels de son émetteur ?
Ils peuvent brouiller d'autres services hors des bandes amateurs
Ils augmentent trop la portée du signal
Ils font trop refroidir l'émetteur
Ils sont nécessaires au récepteur, et leur excès le sature

Which practice helps you make sure that your transmissions stay within the rules on frequency?
Checking frequency and mode with reliable equipment
Transmitting right at the edge of the band, where fewer stations are operating
Trusting the frequency announced by the other station
Changing frequency at random during the contact
Quelle pratique vous aide à vous assurer que vos émissions respectent les règles de fréquence ?
Vérifier fréquence et mode avec un matériel fiable
Émettre juste au bord de la bande, là où trafiquent moins de stations
Se fier à la fréquence annoncée par l'autre station
Changer de fréquence au hasard pendant la liaison

Your neighbour complains that your transmissions appear on her radio. What is the right first response?
Check your station and work with her to find the cause
Tell her the problem is hers alone and that you will not discuss it again
Increase power so your signal is always clear
Stop identifying, so the complaint cannot be proved
Votre voisine se plaint que vos émissions apparaissent sur sa radio. Quelle est la bonne première réaction ?
Vérifier votre station et chercher la cause avec elle
Lui dire que le problème la concerne seule et que vous n'en parlerez plus
Augmenter la puissance pour que votre signal soit toujours clair
Cesser de vous identifier, pour que la plainte ne puisse être prouvée

What is the safest way to test a transmitter without radiating a signal on the air?
Connect it to a suitable dummy load
Disconnect the antenna and leave the output socket open
Short the antenna connector with a screwdriver
Transmit into the receiver's headphone socket
Quelle est la façon la plus sûre d'essayer un émetteur sans rayonner de signal ?
Le brancher sur une charge fictive adaptée
Débrancher l'antenne et laisser la prise de sortie en l'air
Court-circuiter la prise d'antenne avec un tournevis
Émettre dans la prise casque du récepteur

When may you modify or build your own transmitting equipment as a licensed amateur?
Generally at any time, if the station meets the licence's technical conditions
Never; amateurs may only use type-approved commercial radios, unmodified
Only with written permission from the ITU
Only if the equipment will never be connected to an antenna
Quand pouvez-vous, en tant que radioamateur autorisé, modifier ou construire votre propre matériel d'émission ?
En général à tout moment, si la station respecte les conditions techniques de la licence
Jamais ; les radioamateurs ne peuvent utiliser que des appareils commerciaux homologués, non modifiés
Seulement avec une autorisation écrite de l'UIT
Seulement si le matériel ne sera jamais relié à une antenne

Why are radio amateurs expected to listen before transmitting?
To make sure the frequency is not already in use and avoid interfering with others
Because the transmitter needs to warm up first
To save battery power
Because the rules forbid transmitting in the first minute of every hour
Pourquoi attend-on des radioamateurs qu'ils écoutent avant d'émettre ?
Pour s'assurer que la fréquence n'est pas déjà occupée et éviter de gêner les autres
Parce que l'émetteur doit d'abord chauffer
Pour économiser la batterie
Parce que les règles interdisent d'émettre pendant la première minute de chaque heure

What should you do if the administration's monitoring service tells you that your signal contains strong harmonics?
Stop using the faulty setup and correct it, for example with a low-pass filter
Ignore the notice, as long as no neighbour has complained about your signal
Switch to another band with the same setup
Increase power so the wanted signal dominates
Que faites-vous si le service de contrôle de l'administration vous signale que votre signal contient de fortes harmoniques ?
Cesser d'utiliser l'installation fautive et la corriger, par exemple avec un filtre passe-bas
Ignorer l'avis, tant qu'aucun voisin ne s'est plaint de votre signal
Passer sur une autre bande avec la même installation
Augmenter la puissance pour que le signal utile domine
""")

SECTIONS = [S01, S02, S03, S04, S05, S06, S07, S08, S09, S10, S11]
