// The tools on a server database: `explique` says there what it says on the file, and what
// the server refuses is told in French.
#include <gtest/gtest.h>

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "BaseTemporaire.h"
#include "ProgrammesEssai.h"

namespace {

using essai::Db;
using essai::Demo;

const QString BaseDemo = QStringLiteral(ARDOINE_BINARY_DIR "/demo.db");

QString Q(const std::string& texte) {
    return QString::fromStdString(texte);
}

// A file only its owner reads, as the client library requires of a password file.
void Ecrire(const QString& chemin, const QString& texte) {
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    fichier.write(texte.toUtf8());
}

class SurServeur : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!lieu.surServeur()) {
            GTEST_SKIP() << "sur le serveur seulement";
        }
    }

    LieuEssai lieu;
};

TEST_F(SurServeur, ExpliqueOnAServerDatabaseSaysWhatItSaysOnTheFile) {
    const QString serveur = Q(lieu.nom("demo"));
    const auto copie = Db({"copy", BaseDemo, serveur});
    ASSERT_EQ(copie.code, 0) << copie.erreurs.toStdString();
    const QStringList criteres{"explique", "--entite", "041", "--mois", "2026-12"};
    for (const QStringList& personne :
         {QStringList{"--aide", "00185"}, QStringList{"--aide", "00185", "--json"},
          QStringList{"--aide", "00012", "--json"}}) {
        const auto surFichier = Demo(criteres + QStringList{"--db", BaseDemo} + personne);
        const auto surServeur = Demo(criteres + QStringList{"--db", serveur} + personne);
        ASSERT_EQ(surFichier.code, 0) << surFichier.erreurs.toStdString();
        EXPECT_EQ(surServeur.code, 0) << surServeur.erreurs.toStdString();
        EXPECT_FALSE(surServeur.sortie.isEmpty());
        EXPECT_EQ(surServeur.sortie, surFichier.sortie);
    }
}

// The program keeps the password it was given, though its argument bytes lose it at once (a
// wrong one: the engine's tests).
TEST_F(SurServeur, APasswordOnTheCommandLineIsUsedWithAWarningAndAServiceFileWithout) {
    const std::string nom = lieu.nom("mdp");
    ASSERT_EQ(Db({"create", Q(nom)}).code, 0);
    ASSERT_EQ(Db({"import", Q(nom)}, R"({"file":"A","id":"K","record":["v"]})"
                                     "\n")
                  .code,
              0);
    const std::string base = nom.substr(nom.rfind("dbname=") + 7);
    const std::string role = "mdp_" + base;
    lieu.administrer(base, "CREATE ROLE " + role +
                               " LOGIN PASSWORD 'Bon/Mot@Passe' IN ROLE mot_de_passe_exige; "
                               "GRANT USAGE ON SCHEMA mvdb TO " +
                               role + "; GRANT SELECT ON ALL TABLES IN SCHEMA mvdb TO " + role);
    const QString avecRole = Q(nom + " user=" + role);

    const auto juste = Db({"read", avecRole + " password='Bon/Mot@Passe'", "A", "K"});
    EXPECT_EQ(juste.code, 0) << juste.erreurs.toStdString();
    EXPECT_EQ(juste.sortie, "0\tK\n1\tv\n");
    EXPECT_EQ(essai::Avertissements(juste.erreurs), 1) << juste.erreurs.toStdString();

    // As the guides recommend: a service file names the database, a password file holds the
    // password, and nothing warns.
    QTemporaryDir dossier;
    const QString service = dossier.filePath(QStringLiteral("pg_service.conf"));
    const QString motsDePasse = dossier.filePath(QStringLiteral("pgpass"));
    Ecrire(service, "[ardoine]\n" +
                        Q(nom).remove(QStringLiteral(" user=postgres")).replace(' ', '\n') +
                        "\nuser=" + Q(role) + "\n");
    Ecrire(motsDePasse, "*:*:" + Q(base) + ":" + Q(role) + ":Bon/Mot@Passe\n");
    const auto parService = Db({"read", "service=ardoine", "A", "K"}, {},
                               {{"PGSERVICEFILE", service}, {"PGPASSFILE", motsDePasse}});
    EXPECT_EQ(parService.code, 0) << parService.erreurs.toStdString();
    EXPECT_EQ(parService.sortie, "0\tK\n1\tv\n");
    EXPECT_EQ(parService.erreurs.toStdString(), "");
}

// A file holds a key of any length, the server's index on keys about 2,700 bytes: a copy or
// an import that brings a longer one is refused for that reason, and leaves nothing.
TEST_F(SurServeur, ACopyOrAnImportWithAKeyTooLongForTheServerSaysSoAndLeavesNothing) {
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath(QStringLiteral("cle-longue.db"));
    const QByteArray ligne =
        QByteArray(R"({"file":"A","id":")") + texteAuHasard(3000).c_str() + R"(","record":["v"]})";
    ASSERT_EQ(Db({"create", fichier}).code, 0);
    ASSERT_EQ(Db({"import", fichier}, R"({"file":"A","id":"K","record":["v"]})"
                                      "\n" +
                                          ligne + "\n")
                  .code,
              0);
    const QString CleTropLongue = QStringLiteral(
        "impossible : la clé d'un enregistrement dépasse la taille que le serveur admet pour une "
        "clé (environ 2 700 octets après compression ; un fichier n'a pas cette limite).");

    const QString serveur = Q(lieu.nom("copie"));
    const auto copie = Db({"copy", fichier, serveur});
    EXPECT_EQ(copie.code, 1);
    EXPECT_TRUE(copie.erreurs.contains(CleTropLongue)) << copie.erreurs.toStdString();
    EXPECT_TRUE(Db({"read", serveur, "A", "K"}).erreurs.contains("n'est pas une base de données"));

    ASSERT_EQ(Db({"create", serveur}).code, 0);
    const auto import = Db({"import", serveur}, R"({"file":"A","id":"K","record":["v"]})"
                                                "\n" +
                                                    ligne + "\n");
    EXPECT_EQ(import.code, 1);
    EXPECT_TRUE(import.erreurs.contains(CleTropLongue)) << import.erreurs.toStdString();
    EXPECT_EQ(Db({"read", serveur, "A", "K"}).code, 1);
}

// Built with the server store, the help of each tool says that a database may be on a server.
TEST(AideSurFichier, LesDeuxOutilsProposentLeServeur) {
    for (const essai::Execution& aide : {Db({QStringLiteral("read"), QStringLiteral("--help")}),
                                         Db({QStringLiteral("copy"), QStringLiteral("--help")}),
                                         Demo({QStringLiteral("--help")})}) {
        EXPECT_TRUE(aide.sortie.contains(QStringLiteral("serveur"))) << aide.sortie.toStdString();
        EXPECT_FALSE(aide.sortie.contains(QStringLiteral("construit sans")));
    }
}

// Servers that misbehave before any state code: one that refuses encryption the connection
// string requires, one that never answers.
class ServeurMuetTcpSurFichier : public ::testing::Test {
  protected:
    void SetUp() override {
        if (LieuEssai().surServeur()) {
            GTEST_SKIP() << "sans le serveur d'essai seulement";
        }
        ASSERT_TRUE(serveur.listen(QHostAddress::LocalHost));
    }

    QString Nom(const QString& options) const {
        return QStringLiteral(
                   "host=127.0.0.1 port=%1 dbname=bureau user=lecteur "
                   "gssencmode=disable %2")
            .arg(serveur.serverPort())
            .arg(options);
    }

    // Starts `ardoine-db read` on this server; its connection, null when none came.
    QTcpSocket* Connecter(QProcess& programme, const QString& options) {
        essai::Preparer(programme);
        programme.start(QStringLiteral(ARDOINE_DB_PROGRAMME), {"read", Nom(options), "A", "K"});
        return serveur.waitForNewConnection(30000) ? serveur.nextPendingConnection() : nullptr;
    }

    // Waits until the client has sent that many bytes.
    static void Attendre(QTcpSocket* client, qint64 octets) {
        while (client->bytesAvailable() < octets && client->waitForReadyRead(30000)) {
        }
    }

    QTcpServer serveur;
};

TEST_F(ServeurMuetTcpSurFichier, EncryptionRequiredAndRefusedIsToldInFrench) {
    QProcess programme;
    QTcpSocket* client = Connecter(programme, QStringLiteral("sslmode=require"));
    ASSERT_NE(client, nullptr);
    // The client's request for encryption: eight bytes, answered "N" (not offered).
    Attendre(client, 8);
    EXPECT_EQ(client->read(8).toHex(), "0000000804d2162f");
    client->write("N");
    client->waitForBytesWritten(30000);
    const auto execution = essai::Fin(programme);
    EXPECT_EQ(execution.code, 1);
    EXPECT_TRUE(execution.erreurs.endsWith(
        "impossible : la connexion exige SSL (sslmode) et le serveur ne le propose pas.\n"))
        << execution.erreurs.toStdString();
}

// A message of the server's protocol: its type, its length, its body.
QByteArray MessageServeur(char type, const QByteArray& corps) {
    QByteArray message(1, type);
    const quint32 longueur = static_cast<quint32>(corps.size() + 4);
    for (int decalage = 24; decalage >= 0; decalage -= 8) {
        message.append(static_cast<char>((longueur >> decalage) & 0xFF));
    }
    return message + corps;
}

// A server stopping or restarting ends the sessions it has just opened: the session's first
// answer comes with the server's farewell (FATAL 57P01), which the client library reads as a
// notice. Only the French message reaches the terminal.
TEST_F(ServeurMuetTcpSurFichier, ASessionEndedAsItOpensIsToldInFrenchAlone) {
    QProcess programme;
    QTcpSocket* client = Connecter(programme, QStringLiteral("sslmode=disable"));
    ASSERT_NE(client, nullptr);
    // The client's startup message, its length first.
    Attendre(client, 4);
    qint64 longueur = 0;
    for (const char octet : client->peek(4)) {
        longueur = (longueur << 8) | static_cast<quint8>(octet);
    }
    Attendre(client, longueur);
    client->read(longueur);
    const QByteArray adieu(
        "SFATAL\0VFATAL\0C57P01\0Mterminating connection due to administrator "
        "command\0\0",
        75);
    client->write(MessageServeur('R', QByteArray(4, '\0')) + MessageServeur('Z', "I") +
                  MessageServeur('E', adieu));
    client->waitForBytesWritten(30000);
    client->disconnectFromHost();
    const auto execution = essai::Fin(programme);
    EXPECT_EQ(execution.code, 1);
    EXPECT_EQ(execution.erreurs.toStdString(),
              "erreur : Accès à la base « " + Nom("sslmode=disable").toStdString() +
                  " » impossible : la connexion au serveur a été perdue.\n");
}

TEST_F(ServeurMuetTcpSurFichier, AServerThatNeverAnswersEndsAtTheConnectionTimeoutInFrench) {
    const auto execution = Db({"read", Nom("sslmode=disable connect_timeout=2"), "A", "K"});
    EXPECT_EQ(execution.code, 1);
    EXPECT_TRUE(execution.erreurs.endsWith(
        "impossible : le serveur n'a pas répondu dans le délai de connexion (connect_timeout).\n"))
        << execution.erreurs.toStdString();
}

}  // namespace
