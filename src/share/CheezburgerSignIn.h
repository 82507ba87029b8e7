#pragma once
#include <QString>
#include <QUrl>

#include <optional>

// Cheezburger's sign-in (the implicit grant): its page sends the browser
// back to the redirect target with the access token in the fragment. The
// token is kept in the user defaults between runs.
namespace CheezburgerSignIn {

constexpr const char *kClientId = "a7f2c90d13e84b6f5c02d9e1b8a3f476";

// The sign-in page asking for a token for this application.
QUrl signInAddress();

// The token `url` carries when it is the redirect target (the same scheme,
// host, port and path) with an "access_token" piece in its fragment; the
// key's case does not matter, later pieces are not looked at.
std::optional<QString> accessTokenFromRedirect(const QUrl &redirectTarget, const QUrl &url);
// The same against the configured redirect target.
std::optional<QString> accessTokenFromRedirect(const QUrl &url);

QString accessToken();
// Stores the token, writing the defaults only when it changed.
void setAccessToken(const QString &token);
}
