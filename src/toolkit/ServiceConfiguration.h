#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>

#include <chrono>

// Every address outside the application, in one place. Each entry has a
// default and can be pointed elsewhere (a test's server on 127.0.0.1, a
// fork's own pages) by an environment variable or by a value in the
// "services" group of the user defaults; the environment comes first. The
// entry "productPage" is read from PANELRY_PRODUCT_PAGE, then from the
// setting services/productPage, then from its default.
namespace ServiceConfiguration {

struct Entry {
    const char *key;
    const char *defaultValue;
};

// Where the product presents itself: help's first button, and the page the
// recommendation names.
extern const Entry productPage;
// Where users review the product.
extern const Entry reviewPage;
// The mail address for feedback.
extern const Entry feedbackAddress;
// The page that starts a post on Twitter; "%1" stands for its text. Also
// the share screen's Twitter page, with the comic's link as the text.
extern const Entry tweetPage;

// The image host: where a comic's picture is uploaded.
extern const Entry imgurUpload;
// Cheezburger: the sign-in page, the address it sends the browser back to
// with the access token in the fragment, and where a link is posted.
extern const Entry cheezburgerSignIn;
extern const Entry cheezburgerRedirect;
extern const Entry cheezburgerPost;
// The pages that share a comic's link; "%1" stands for the link.
extern const Entry redditSharePage;
extern const Entry facebookSharePage;
// Seconds an upload may wait for the next byte before it fails.
extern const Entry requestTimeout;
// The program that opens a new mail with a picture attached.
extern const Entry mailLauncher;

QString value(const Entry &entry);
// The value as an address, with "%1" replaced by `argument` percent-encoded
// as one query value (toolkit/PercentEncoding.h).
QUrl url(const Entry &entry, const QString &argument = {});
// The value as a duration in seconds; the default when it is no positive
// number.
std::chrono::milliseconds duration(const Entry &entry);

QByteArray environmentVariable(const Entry &entry);
QString settingsKey(const Entry &entry);
}
