#!/usr/bin/python3
"""A whole print as a screen reader user does it, through the accessibility bus alone.

Starts its own X server (Xvfb), session bus and accessibility bus, opens the demo host's form
on a demonstration database, finds every control by its accessible name, and prints the list
of December 2026 to a PDF file with key presses and accessibility actions only. Before that,
a login without rights opens the form and its refusal line must read as an alert.

    impression-au-clavier.py ARDOINE_DEMO ARDOINE_DB

Exit status 77 (skipped) when a program it needs is missing.
"""

import importlib.util
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SAUTE = 77
LANCEUR_BUS = "/usr/libexec/at-spi-bus-launcher"
MARQUE_SESSION = "ARDOINE_SESSION_ACCESSIBLE"
TITRE_FORMULAIRE = "Liste des accords non renouvelés"
MOIS_VOULU = (2026, 12)
MOIS = ["JANVIER", "FÉVRIER", "MARS", "AVRIL", "MAI", "JUIN", "JUILLET", "AOÛT",
        "SEPTEMBRE", "OCTOBRE", "NOVEMBRE", "DÉCEMBRE"]

# Every control of the form, by the name a screen reader says.
NOMS_FORMULAIRE = [
    "Code de l'entité juridique", "Entité juridique", "Code de l'activité", "Activité",
    "Regroupement de la liste", "Regrouper par responsable", "Regrouper par secteur",
    "Regrouper par commune", "Code du responsable", "Responsable", "Code de la commune",
    "Commune", "Période de fin des accords", "Changer la période de fin des accords",
    "Code de l'organisme de prise en charge", "Organisme de prise en charge",
    "Progression de l'impression", "Imprimer", "Sortir",
]
NOMS_DIALOGUE = ["Imprimante", "Fichier à créer", "Parcourir pour choisir le fichier",
                 "Nombre de copies", "Imprimer", "Aperçu", "Annuler"]

# X key symbols.
TOUCHES = {"Tab": 0xFF09, "Entree": 0xFF0D, "Debut": 0xFF50, "Haut": 0xFF52, "Bas": 0xFF54,
           "Espace": 0x20}


class Echec(Exception):
    pass


def manquants():
    absents = [p for p in ("Xvfb", "dbus-run-session", "dbus-send") if shutil.which(p) is None]
    if not os.access(LANCEUR_BUS, os.X_OK):
        absents.append(LANCEUR_BUS)
    if importlib.util.find_spec("pyatspi") is None:
        absents.append("python3-pyatspi")
    return absents


def ecran_occupe(numero):
    prise = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    try:
        prise.connect("\0/tmp/.X11-unix/X%d" % numero)
        return True
    except OSError:
        return False
    finally:
        prise.close()


def attendre(condition, quoi, delai=30.0):
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        resultat = condition()
        if resultat:
            return resultat
        time.sleep(0.1)
    raise Echec("délai dépassé : " + quoi)


class Session:
    """The X server and the accessibility bus of the test, stopped on leaving."""

    def __init__(self, dossier):
        self.dossier = dossier
        self.processus = []
        self.env = dict(os.environ)

    def __enter__(self):
        ecran = self.demarrer_x()
        execution = os.path.join(self.dossier, "run")
        os.makedirs(execution, mode=0o700)
        self.env.update({"DISPLAY": ":" + ecran, "XDG_RUNTIME_DIR": execution,
                         "HOME": self.dossier, "LC_ALL": "C.UTF-8"})
        os.environ.update(self.env)
        self.lancer([LANCEUR_BUS, "--launch-immediately"])
        attendre(self.bus_pret, "bus d'accessibilité")
        return self

    # A display number of its own, away from the low ones that X servers of the machine take
    # first: an X server of another session of the same machine may answer on a number its
    # files in /tmp do not show, so a number is taken only when nothing answers there.
    def demarrer_x(self):
        premier = 100 + os.getpid() % 800
        for numero in range(premier, premier + 50):
            if os.path.exists("/tmp/.X%d-lock" % numero) or ecran_occupe(numero):
                continue
            lecture, ecriture = os.pipe()
            # -noreset: the server would otherwise start over, closing every connection, each
            # time its last client leaves, and the next program could find no display there.
            serveur = self.lancer(["Xvfb", ":%d" % numero, "-displayfd", str(ecriture),
                                   "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                                   "-noreset"],
                                  pass_fds=(ecriture,), stderr=subprocess.DEVNULL)
            os.close(ecriture)
            with os.fdopen(lecture) as sortie:
                if sortie.readline().strip() == str(numero):
                    attendre(lambda: ecran_occupe(numero), "serveur X :%d" % numero)
                    return str(numero)
            serveur.wait()
        raise Echec("Xvfb n'a pas démarré")

    # Asked without starting it: the session bus would otherwise launch a second one.
    def bus_pret(self):
        reponse = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
            env=self.env, capture_output=True, text=True)
        return "boolean true" in reponse.stdout

    def lancer(self, commande, **options):
        processus = subprocess.Popen(commande, env=self.env, **options)
        self.processus.append(processus)
        return processus

    def __exit__(self, *erreur):
        for processus in reversed(self.processus):
            if processus.poll() is None:
                processus.terminate()
                try:
                    processus.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    processus.kill()


class Lecteur:
    """What a screen reader sees of one application."""

    def __init__(self, pyatspi, nom):
        self.pyatspi = pyatspi
        self.nom = nom

    def application(self):
        bureau = self.pyatspi.Registry.getDesktop(0)
        for i in range(bureau.childCount):
            application = bureau.getChildAtIndex(i)
            if application is not None and application.name == self.nom:
                return application
        return None

    def fenetre(self, titre):
        def trouver():
            application = self.application()
            if application is None:
                return None
            for i in range(application.childCount):
                fenetre = application.getChildAtIndex(i)
                if fenetre is not None and fenetre.name == titre:
                    return fenetre
            return None
        return attendre(trouver, "fenêtre « %s »" % titre)

    def tous(self, racine):
        pile = [racine]
        while pile:
            objet = pile.pop()
            if objet is None:
                continue
            yield objet
            pile.extend(objet.getChildAtIndex(i) for i in range(objet.childCount))

    # A caption reads as the box it stands by, and the text part of a list box as the list:
    # neither is counted as a control of its own.
    def par_nom(self, racine, noms):
        trouves = {}
        for objet in self.tous(racine):
            parent = objet.parent
            nom = objet.name
            if (parent is None or parent.name == nom
                    or objet.getRole() == self.pyatspi.ROLE_LABEL):
                continue
            if nom in noms:
                if nom in trouves:
                    raise Echec("deux contrôles s'appellent « %s »" % nom)
                trouves[nom] = objet
        absents = [nom for nom in noms if nom not in trouves]
        if absents:
            raise Echec("sans nom accessible : " + ", ".join(absents))
        return trouves

    # The X server of the test has no window manager to give a new window the focus, as a
    # desktop does: a click in its corner stands for it.
    def activer(self, fenetre):
        if not self.a(fenetre, self.pyatspi.STATE_ACTIVE):
            cadre = fenetre.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
            self.pyatspi.Registry.generateMouseEvent(cadre.x + 2, cadre.y + 2, "b1c")
        attendre(lambda: self.a(fenetre, self.pyatspi.STATE_ACTIVE),
                 "la fenêtre « %s » active" % fenetre.name)

    def a(self, objet, etat):
        return objet.getState().contains(etat)

    # The name of the control that has the focus; nothing while none has it.
    def focus(self, racine):
        for objet in self.tous(racine):
            if self.a(objet, self.pyatspi.STATE_FOCUSED) and objet.name:
                return objet.name
        return None

    def touche(self, nom, fois=1):
        for _ in range(fois):
            self.pyatspi.Registry.generateKeyboardEvent(TOUCHES[nom], None, self.pyatspi.KEY_SYM)
            time.sleep(0.15)

    def taper(self, texte):
        for caractere in texte:
            self.pyatspi.Registry.generateKeyboardEvent(ord(caractere), None,
                                                        self.pyatspi.KEY_SYM)
            time.sleep(0.1)


def texte(objet):
    lecture = objet.queryText()
    return lecture.getText(0, lecture.characterCount)


# What a list box holds: the text of its text part.
def valeur_de_liste(pyatspi, liste):
    for i in range(liste.childCount):
        enfant = liste.getChildAtIndex(i)
        if enfant is not None and enfant.getRole() == pyatspi.ROLE_TEXT:
            return texte(enfant)
    return ""


def ecart_de_mois(periode):
    mot, annee = periode.split()
    return (MOIS_VOULU[0] - int(annee)) * 12 + MOIS_VOULU[1] - (MOIS.index(mot) + 1)


def refus_annonce(pyatspi, session, demo, base):
    """A login without rights: the line under the form reads as an alert; "Sortir" closes."""
    hote = session.lancer([demo, "--db", base, "--login", "inconnu"])
    lecteur = Lecteur(pyatspi, os.path.basename(demo))
    fenetre = lecteur.fenetre(TITRE_FORMULAIRE)
    alertes = [o for o in lecteur.tous(fenetre) if o.getRole() == pyatspi.ROLE_ALERT]
    if len(alertes) != 1 or not alertes[0].name.startswith("Utilisateur inconnu : « inconnu »"):
        raise Echec("ligne de refus non annoncée : %r" % [a.name for a in alertes])
    sortir = lecteur.par_nom(fenetre, ["Sortir"])["Sortir"]
    sortir.queryAction().doAction(0)
    if hote.wait(timeout=30) != 0:
        raise Echec("« Sortir » n'a pas fermé le formulaire")


def verifier_formulaire(lecteur, controles):
    pyatspi = lecteur.pyatspi
    code = controles["Code de l'entité juridique"]
    liens = [r for r in code.getRelationSet()
             if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    if not liens or liens[0].getTarget(0).name != "Entité juridique":
        raise Echec("le code de l'entité n'est pas étiqueté par son libellé")
    if "3 caractères" not in code.description:
        raise Echec("description du code de l'entité : %r" % code.description)
    for grise in ("Code de l'activité", "Activité", "Imprimer"):
        if lecteur.a(controles[grise], pyatspi.STATE_SENSITIVE):
            raise Echec("« %s » n'est pas dit grisé" % grise)


def parcourir_au_clavier(lecteur, fenetre, controles):
    """Tab from the legal entity to "Imprimer", putting the period on the month wanted."""
    pyatspi = lecteur.pyatspi
    vus = []
    while True:
        courant = attendre(lambda: lecteur.focus(fenetre), "un contrôle qui a le focus")
        if vus and courant == vus[-1]:
            raise Echec("Tab ne déplace pas le focus : " + " > ".join(vus))
        vus.append(courant)
        if courant == "Imprimer" or len(vus) > 20:
            break
        if courant == "Changer la période de fin des accords":
            ecart = ecart_de_mois(texte(controles["Période de fin des accords"]))
            lecteur.touche("Haut" if ecart > 0 else "Bas", abs(ecart))
        lecteur.touche("Tab")
    attendus = ["Code de l'entité juridique", "Entité juridique", "Code de l'activité",
                "Activité", "Code du responsable", "Responsable", "Regrouper par responsable",
                "Changer la période de fin des accords"]
    if lecteur.a(controles["Organisme de prise en charge"], pyatspi.STATE_SENSITIVE):
        attendus += ["Code de l'organisme de prise en charge", "Organisme de prise en charge"]
    attendus.append("Imprimer")
    if vus != attendus:
        raise Echec("ordre de tabulation : " + " > ".join(vus))
    periode = texte(controles["Période de fin des accords"])
    if periode != "DÉCEMBRE 2026":
        raise Echec("période : " + periode)


def choisir_le_pdf(lecteur, pdf):
    pyatspi = lecteur.pyatspi
    dialogue = lecteur.fenetre("Choix de l'imprimante")
    lecteur.activer(dialogue)
    champs = lecteur.par_nom(dialogue, NOMS_DIALOGUE)
    attendre(lambda: lecteur.a(champs["Imprimante"], pyatspi.STATE_FOCUSED),
             "le focus sur la liste des imprimantes")
    lecteur.touche("Debut")
    liste = champs["Imprimante"]
    choisie = attendre(lambda: [o.name for o in lecteur.tous(liste)
                                if o is not liste and lecteur.a(o, pyatspi.STATE_SELECTED)],
                       "une imprimante choisie")
    if choisie != ["Fichier PDF"]:
        raise Echec("imprimante choisie : %r" % choisie)
    lecteur.touche("Tab")
    fichier = champs["Fichier à créer"]
    attendre(lambda: lecteur.a(fichier, pyatspi.STATE_FOCUSED), "le focus sur le fichier")
    fichier.queryEditableText().setTextContents(pdf)
    attendre(lambda: texte(fichier) == pdf, "le nom du fichier")
    # Enter presses the default button, "Imprimer".
    lecteur.touche("Entree")


def imprimer(pyatspi, session, demo, base):
    pdf = os.path.join(session.dossier, "liste-clavier.pdf")
    hote = session.lancer([demo, "--db", base], stdout=subprocess.PIPE, text=True)
    lecteur = Lecteur(pyatspi, os.path.basename(demo))
    fenetre = lecteur.fenetre(TITRE_FORMULAIRE)
    controles = lecteur.par_nom(fenetre, NOMS_FORMULAIRE)
    verifier_formulaire(lecteur, controles)

    code = controles["Code de l'entité juridique"]
    lecteur.activer(fenetre)
    code.queryComponent().grabFocus()
    attendre(lambda: lecteur.a(code, pyatspi.STATE_FOCUSED), "le focus sur le code de l'entité")
    lecteur.taper("41")
    lecteur.touche("Entree")
    attendre(lambda: lecteur.a(controles["Imprimer"], pyatspi.STATE_SENSITIVE),
             "« Imprimer » actif après l'entité 041")
    # The list box now holding the entity's label is still named for what it is.
    entite = controles["Entité juridique"]
    if entite.name != "Entité juridique" or entite.getRole() != pyatspi.ROLE_COMBO_BOX:
        raise Echec("liste de l'entité lue « %s »" % entite.name)
    if not valeur_de_liste(pyatspi, entite).startswith("ASSOCIATION"):
        raise Echec("libellé de l'entité : %r" % valeur_de_liste(pyatspi, entite))
    parcourir_au_clavier(lecteur, fenetre, controles)
    lecteur.touche("Espace")
    choisir_le_pdf(lecteur, pdf)

    sortie, _ = hote.communicate(timeout=120)
    if hote.returncode != 0 or "W_Sortir : Vrai" not in sortie:
        raise Echec("fin du formulaire : code %s, %r" % (hote.returncode, sortie))
    pages = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True)
    lu = pages.stdout
    if "LISTE DES ACCORDS NON RENOUVELES" not in lu or "DÉCEMBRE 2026" not in lu:
        raise Echec("le PDF ne contient pas la liste de décembre 2026")


def dans_la_session(demo, outil):
    with tempfile.TemporaryDirectory(prefix="ardoine-a11y-") as dossier:
        base = os.path.join(dossier, "demo.db")
        subprocess.run([outil, "demo", base, "--size", "demo"], check=True,
                       stdout=subprocess.DEVNULL)
        with Session(dossier) as session:
            # Only now: the library finds the accessibility bus when it is first loaded.
            import pyatspi
            os.environ["QT_QPA_PLATFORM"] = "xcb"
            os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            session.env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
            refus_annonce(pyatspi, session, demo, base)
            imprimer(pyatspi, session, demo, base)
    print("impression au clavier : PDF écrit, chaque contrôle nommé")


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    absents = manquants()
    if absents:
        print("test sauté, il manque : " + ", ".join(absents))
        return SAUTE
    if os.environ.get(MARQUE_SESSION) != "1":
        env = dict(os.environ, **{MARQUE_SESSION: "1"})
        return subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv,
                              env=env).returncode
    try:
        dans_la_session(sys.argv[1], sys.argv[2])
    except Echec as echec:
        print("ÉCHEC : %s" % echec, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
